#include "platform/database.h"
#include "quote/schema_upgrade.h"
#include "support/temp_folder.h"

#include <QSqlQuery>
#include <gtest/gtest.h>

namespace {

// A customer store from before the edge trim, coverage and room exclusion columns.
void createOldStore(Database& db) {
    db.exec("create table userlist (id integer primary key autoincrement, name text, zk integer)");
    db.exec("create table roomlist (id integer primary key autoincrement, UserId integer, "
            "Title text)");
    db.exec("create table arealist (id integer primary key autoincrement, title text)");
    db.exec("create table workerlist (id integer primary key autoincrement, workername text)");
    db.exec("insert into userlist (name, zk) values ('张三', 95)");
    db.exec("insert into roomlist (UserId, Title) values (1, '客厅')");
}

QString schemaText(Database& db) {
    QStringList parts;
    QSqlQuery q = db.exec("select sql from sqlite_master order by name");
    while (q.next()) {
        parts << q.value(0).toString();
    }
    return parts.join('\n');
}

} // namespace

TEST(SchemaUpgrade, OldCustomerStoreGainsEveryColumnOnce) {
    TempFolder home;
    Database db;
    ASSERT_TRUE(db.create(home.file("Userdb.data")));
    createOldStore(db);

    upgradeCustomerStore(db);
    for (const char* column :
         {"shoubian", "shoubian_price", "ming", "version", "Autoshoubian", "revision"}) {
        EXPECT_TRUE(db.hasColumn("userlist", column)) << column;
    }
    ASSERT_TRUE(db.hasColumn("roomlist", "not_cacl"));
    EXPECT_EQ(db.scalar("select shoubian from userlist").toInt(), 0);
    EXPECT_EQ(db.scalar("select revision from userlist").toInt(), 0);
    EXPECT_EQ(db.scalar("select Autoshoubian from userlist").toInt(), 0);
    EXPECT_EQ(db.scalar("select ming from userlist").toInt(), 0);
    EXPECT_EQ(db.scalar("select not_cacl from roomlist").toInt(), 0)
        << "rooms stored before the column still take part in the statistics";
    db.exec("insert into roomlist (UserId, Title) values (1, '卧室')");
    EXPECT_EQ(db.scalar("select not_cacl from roomlist where Title = '卧室'").toInt(), 1);
    db.exec("update userlist set shoubian_price = 2.5");
    EXPECT_DOUBLE_EQ(db.scalar("select shoubian_price from userlist").toDouble(), 2.5);

    const QString once = schemaText(db);
    db.exec("update roomlist set not_cacl = 1");
    upgradeCustomerStore(db);
    EXPECT_EQ(schemaText(db), once);
    EXPECT_EQ(db.scalar("select count(*) from roomlist where not_cacl = 1").toInt(), 2)
        << "a second start changes no data";
}

TEST(SchemaUpgrade, EachGroupIsTestedByItsOneMember) {
    TempFolder home;
    Database db;
    ASSERT_TRUE(db.create(home.file("Userdb.data")));
    createOldStore(db);
    // A store that has the coverage group's marker but not its partner keeps it so.
    db.exec("alter table userlist add column ming integer");
    upgradeCustomerStore(db);
    EXPECT_TRUE(db.hasColumn("userlist", "shoubian_price"));
    EXPECT_FALSE(db.hasColumn("userlist", "version"));
}

TEST(SchemaUpgrade, ProductLibraryGainsNumberAndAddress) {
    TempFolder home;
    Database db;
    ASSERT_TRUE(db.create(home.file("db.data")));
    db.exec("create table pic (id integer primary key, title text)");
    db.exec("insert into pic (id, title) values (1, '铝扣板')");
    upgradeProductLibrary(db);
    EXPECT_TRUE(db.hasColumn("pic", "cpbh"));
    EXPECT_TRUE(db.hasColumn("pic", "picurl"));
    EXPECT_TRUE(db.scalar("select cpbh from pic").isNull());
    // Name searches read the index on names.
    EXPECT_EQ(db.scalar("select tbl_name from sqlite_master where name = 'pic_title'").toString(),
              "pic");
    const QString once = schemaText(db);
    upgradeProductLibrary(db);
    EXPECT_EQ(schemaText(db), once);
}

TEST(SchemaUpgrade, MissingAddressAloneIsAdded) {
    TempFolder home;
    Database db;
    ASSERT_TRUE(db.create(home.file("db.data")));
    db.exec("create table pic (id integer primary key, cpbh varchar(12))");
    upgradeProductLibrary(db);
    EXPECT_TRUE(db.hasColumn("pic", "picurl"));
}
