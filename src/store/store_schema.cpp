#include "store/store_schema.h"

#include "platform/database.h"
#include "store/customer_store.h"

void createStoreSchema(Database& db) {
    db.exec(QStringLiteral(
        "create table userlist (id integer primary key autoincrement, Compid integer, "
        "proid text, projectname text, name text, sex integer, work text, addr text, "
        "tele text, tele2 text, fax text, email text, IM text, designdate datetime, "
        "workdate datetime, enddate datetime, smonth integer, sday integer, memo text, "
        "AREAID integer, worker integer, price real, zk integer, locked integer, "
        "\"long\" real, longprice real, slong real, slongprice real, jie real, diao real, "
        "anzhuangprice real, shoubian integer default 0, shoubian_price real default 0, "
        "Autoshoubian integer default 0, ming integer default 0, version integer default 0, "
        "Prolist blob, otherlist blob)"));
    db.exec(QStringLiteral(
        "create table roomlist (id integer primary key autoincrement, UserId integer, "
        "Title text, Roomstyle integer, zoom integer, PaperWidth integer, "
        "not_cacl integer default 1, RoomWall blob, RoomKouban blob, RoomDianqi blob, "
        "pic blob)"));
    db.exec(
        QStringLiteral("create table arealist (id integer primary key autoincrement, title text)"));
    db.exec(QStringLiteral(
        "create table workerlist (id integer primary key autoincrement, workername text)"));
    db.exec(QStringLiteral("create view user_view as select userlist.*, arealist.title as title, "
                           "workerlist.workername as workername from userlist "
                           "left join arealist on userlist.AREAID = arealist.id "
                           "left join workerlist on userlist.worker = workerlist.id"));
    CustomerStore(db).ensureIndexes();
}
