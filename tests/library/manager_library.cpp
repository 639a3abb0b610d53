#include "manager_library.h"

#include "library/library_schema.h"
#include "platform/picture.h"

#include <QImage>

ManagerLibrary::ManagerLibrary() : setup(home.file(QStringLiteral("setup.ini"))) {
    EXPECT_TRUE(db.create(home.file(QStringLiteral("db.data"))));
    createLibrarySchema(db);
    const auto category = [this](int id, const char* name, int company) {
        db.exec(QStringLiteral("insert into cailiao (id, cailiao, comp_id) values (?,?,?)"),
                {id, QString::fromUtf8(name), company});
    };
    const auto sub = [this](int id, const char* name, int category) {
        db.exec(QStringLiteral("insert into xinghao (id, xinghao, cailiao_id) values (?,?,?)"),
                {id, QString::fromUtf8(name), category});
    };
    category(1, "扣板", 7);
    sub(11, "方板", 1);
    sub(12, "条板", 1);
    category(50001, "通用扣板", 2);
    sub(50011, "通用方板", 50001);
    category(100005, "我的", 2);
    sub(100007, "我的小类", 100005);
    product(101, 11, QStringLiteral("白方板"), StatusNormal, 20);
    product(102, 11, QStringLiteral("无图方板"), StatusNormal, 25, false);
    product(103, 11, QStringLiteral("100%_板"), StatusOutOfStock, 30);
    product(121, 12, QStringLiteral("条板A"), StatusNormal, 12);
    product(50101, 50011, QStringLiteral("通用白板"), StatusDiscontinued, 40);
}

std::unique_ptr<ProductManager> ManagerLibrary::manager(ManagerScope scope) {
    return std::make_unique<ProductManager>(db, setup, prompts, home.path(), scope);
}

void ManagerLibrary::product(int id, int sub, const QString& title, int status, double price,
                             bool withPicture) {
    QImage image(40, 20 + id % 7, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    db.exec(QStringLiteral("insert into pic (id, xinghao_id, title, style, stauts, width, "
                           "height, price, danwei, picurl, l_img) values (?,?,?,0,?,300,300,?,"
                           "'块',' http://x ',?)"),
            {id, sub, title, status, price, withPicture ? picture::writeBmp(image) : QByteArray()});
}

int ManagerLibrary::count(const QString& sql) {
    return db.scalar(sql).toInt();
}

double ManagerLibrary::priceOf(int id) {
    return db.scalar(QStringLiteral("select price from pic where id=?"), {id}).toDouble();
}

int ManagerLibrary::statusOf(const QString& table, int id) {
    return db
        .scalar(QStringLiteral("select stauts from ") + table + QStringLiteral(" where id=?"), {id})
        .toInt();
}
