#include "library/library_schema.h"

#include "platform/database.h"

void createLibrarySchema(Database& db) {
    db.exec(QStringLiteral("create table cailiao (id integer primary key, cailiao text, "
                           "comp_id integer, stauts integer default 0)"));
    db.exec(QStringLiteral("create table xinghao (id integer primary key, xinghao text, "
                           "cailiao_id integer, stauts integer default 0)"));
    db.exec(
        QStringLiteral("create table pic (id integer primary key, xinghao_id integer, title text, "
                       "style integer, stauts integer default 0, width real, height real, "
                       "price real default 0, danwei text, picurl varchar(100), l_img blob, "
                       "cpbh varchar(12), life integer)"));
    db.exec(QStringLiteral("create index pic_xinghao on pic (xinghao_id)"));
    db.exec(QStringLiteral("create index xinghao_cailiao on xinghao (cailiao_id)"));
    ensureProductNameIndex(db);
    db.exec(QStringLiteral(
        "create view pic_view as select pic.id as id, pic.xinghao_id as xinghao_id, "
        "pic.title as title, pic.style as style, pic.stauts as stauts, pic.width as width, "
        "pic.height as height, pic.price as price, pic.danwei as danwei, "
        "pic.picurl as picurl, pic.l_img as l_img, pic.cpbh as cpbh, pic.life as life, "
        "xinghao.cailiao_id as cailiao_id from pic left join xinghao on "
        "pic.xinghao_id = xinghao.id"));
}

void ensureProductNameIndex(Database& db) {
    if (db.hasColumn(QStringLiteral("pic"), QStringLiteral("title"))) {
        db.exec(QStringLiteral("create index if not exists pic_title on pic (title)"));
    }
}
