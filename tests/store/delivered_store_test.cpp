#include "catalogue/program_data.h"
#include "platform/database.h"
#include "support/temp_folder.h"

#include <QDateTime>
#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>

#include <gtest/gtest.h>

namespace {

// A program folder whose customer store was just created by the builder.
class DeliveredStore : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(program_data::createStoreIfMissing(path()));
        ASSERT_TRUE(store.open(path()));
    }
    QString path() const { return program_data::storePath(home.path()); }

    qint64 addCustomer(const QString& name, qint64 area, qint64 handler) {
        return store.insert("insert into userlist (Compid, proid, name, sex, AREAID, worker, "
                            "memo, designdate, zk, ming) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                            {0, "YZ0001", name, true, area, handler, "多行\n备注",
                             QDateTime(QDate(2024, 5, 1), QTime(9, 30)), 95, 30});
    }

    TempFolder home;
    Database store;
};

QString text(const QSqlQuery& q, const char* column) {
    return q.value(q.record().indexOf(QLatin1String(column))).toString();
}

} // namespace

TEST_F(DeliveredStore, StartsEmptyWithEveryTableAndColumn) {
    for (const char* table : {"userlist", "roomlist", "arealist", "workerlist", "user_view"}) {
        EXPECT_EQ(store.scalar(QStringLiteral("select count(*) from ") + table).toInt(), 0)
            << table;
    }
    const QStringList customerColumns = {"id",
                                         "Compid",
                                         "proid",
                                         "projectname",
                                         "name",
                                         "sex",
                                         "work",
                                         "addr",
                                         "tele",
                                         "tele2",
                                         "fax",
                                         "email",
                                         "IM",
                                         "designdate",
                                         "workdate",
                                         "enddate",
                                         "smonth",
                                         "sday",
                                         "memo",
                                         "AREAID",
                                         "worker",
                                         "price",
                                         "zk",
                                         "locked",
                                         "long",
                                         "longprice",
                                         "slong",
                                         "slongprice",
                                         "jie",
                                         "diao",
                                         "anzhuangprice",
                                         "shoubian",
                                         "shoubian_price",
                                         "Autoshoubian",
                                         "ming",
                                         "version",
                                         "Prolist",
                                         "otherlist"};
    for (const QString& column : customerColumns) {
        EXPECT_TRUE(store.hasColumn("userlist", column)) << column.toStdString();
        EXPECT_TRUE(store.hasColumn("user_view", column)) << column.toStdString();
    }
    EXPECT_TRUE(store.hasColumn("user_view", "title"));
    EXPECT_TRUE(store.hasColumn("user_view", "workername"));
    for (const char* column : {"id", "UserId", "Title", "Roomstyle", "zoom", "PaperWidth",
                               "not_cacl", "RoomWall", "RoomKouban", "RoomDianqi", "pic"}) {
        EXPECT_TRUE(store.hasColumn("roomlist", column)) << column;
    }
    EXPECT_TRUE(store.hasColumn("arealist", "title"));
    EXPECT_TRUE(store.hasColumn("workerlist", "workername"));
}

TEST_F(DeliveredStore, TheEngineAssignsIdsOnInsert) {
    const qint64 first = addCustomer("张三", -1, -1);
    const qint64 second = addCustomer("李四", -1, -1);
    EXPECT_GT(first, 0);
    EXPECT_GT(second, first);
    const qint64 room =
        store.insert("insert into roomlist (UserId, Title, Roomstyle, zoom, PaperWidth, RoomWall) "
                     "values (?, ?, ?, ?, ?, ?)",
                     {second, "客厅", 0, 10, 2000, QByteArray("\x01\x00\x00\x00", 4)});
    EXPECT_GT(room, 0);
    EXPECT_EQ(store.scalar("select UserId from roomlist where id=?", {room}).toLongLong(), second);
    EXPECT_EQ(store.scalar("select RoomWall from roomlist where id=?", {room}).toByteArray(),
              QByteArray("\x01\x00\x00\x00", 4));
    // A deleted customer's id is not given out again.
    store.exec("delete from userlist where id=?", {second});
    EXPECT_GT(addCustomer("王五", -1, -1), second);
    EXPECT_GT(store.insert("insert into arealist (title) values (?)", {"阳光小区"}), 0);
    EXPECT_GT(store.insert("insert into workerlist (workername) values (?)", {"小王"}), 0);
}

TEST_F(DeliveredStore, UserViewNamesTheAreaAndHandlerAndKeepsCustomersWithout) {
    const qint64 area = store.insert("insert into arealist (title) values (?)", {"O'Hara 花园"});
    const qint64 handler =
        store.insert("insert into workerlist (workername) values (?)", {"刘经理"});
    const qint64 without = addCustomer("没有小区", -1, -1);
    const qint64 with = addCustomer("有小区", area, handler);

    QSqlQuery q = store.exec("select * from user_view where compid=? order by id desc", {0});
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(q.record().indexOf("id")).toLongLong(), with);
    EXPECT_EQ(text(q, "name"), "有小区");
    EXPECT_EQ(text(q, "title"), "O'Hara 花园");
    EXPECT_EQ(text(q, "workername"), "刘经理");
    EXPECT_EQ(text(q, "memo"), "多行\n备注");
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(q.record().indexOf("id")).toLongLong(), without);
    EXPECT_EQ(text(q, "AREAID"), "-1");
    EXPECT_EQ(text(q, "title"), "");
    EXPECT_EQ(text(q, "workername"), "");
    EXPECT_FALSE(q.next());

    EXPECT_EQ(store.scalar("select count(*) from user_view where compid=?", {2}).toInt(), 0)
        << "another company's list is empty";
}

TEST_F(DeliveredStore, AnExistingStoreIsNeverReplaced) {
    addCustomer("老客户", -1, -1);
    store.close();
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    EXPECT_FALSE(program_data::createStoreIfMissing(path()));
    program_data::build(home.path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    EXPECT_FALSE(QFile::exists(path() + ".new"));
}
