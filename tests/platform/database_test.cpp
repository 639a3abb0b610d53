#include "platform/database.h"
#include "support/temp_folder.h"

#include <QSqlQuery>
#include <gtest/gtest.h>

namespace {

void makeTable(const QString& path) {
    Database db;
    ASSERT_TRUE(db.create(path));
    db.exec("create table t (id integer primary key autoincrement, Name text, img blob)");
}

} // namespace

TEST(Database, OpenFailsOnMissingFileWithoutCreatingIt) {
    TempFolder home;
    Database db;
    QString error;
    EXPECT_FALSE(db.open(home.file("数据文件/db.data"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(home.file("数据文件/db.data")));
    EXPECT_FALSE(db.isOpen());
}

TEST(Database, OpenFailsOnAFileThatIsNotADatabase) {
    TempFolder home;
    home.write("db.data", QByteArray(4096, 'x'));
    Database db;
    QString error;
    EXPECT_FALSE(db.open(home.file("db.data"), &error));
    EXPECT_FALSE(error.isEmpty());
    home.write("empty.data", {});
    Database empty;
    // An empty file is a valid empty SQLite database; it opens.
    EXPECT_TRUE(empty.open(home.file("empty.data")));
}

TEST(Database, BoundParametersTakeQuotesAndInsertGivesTheId) {
    TempFolder home;
    makeTable(home.file("s.data"));
    Database db;
    ASSERT_TRUE(db.open(home.file("s.data")));
    const QString name = QStringLiteral("O'Brien's \"客厅\"; drop table t; --");
    qint64 first = db.insert("insert into t (Name) values (?)", {name});
    qint64 second = db.insert("insert into t (Name) values (?)", {QStringLiteral("b")});
    EXPECT_EQ(second, first + 1);
    EXPECT_EQ(db.scalar("select Name from t where id=?", {first}).toString(), name);
    EXPECT_EQ(db.scalar("select id from t where name=?", {name}).toLongLong(), first);
    EXPECT_FALSE(db.scalar("select id from t where id=?", {999}).isValid());
}

TEST(Database, BlobsRoundTripByteForByte) {
    TempFolder home;
    makeTable(home.file("s.data"));
    Database db;
    ASSERT_TRUE(db.open(home.file("s.data")));
    QByteArray blob;
    for (int i = 0; i < 70000; ++i) {
        blob.append(char(i * 7 % 256));
    }
    qint64 id = db.insert("insert into t (img) values (?)", {blob});
    EXPECT_EQ(db.scalar("select img from t where id=?", {id}).toByteArray(), blob);
}

TEST(Database, ColumnChecksIgnoreCaseAndErrorsThrow) {
    TempFolder home;
    makeTable(home.file("s.data"));
    Database db;
    ASSERT_TRUE(db.open(home.file("s.data")));
    EXPECT_TRUE(db.hasColumn("t", "NAME"));
    EXPECT_TRUE(db.hasColumn("T", "Img"));
    EXPECT_FALSE(db.hasColumn("t", "cpbh"));
    db.exec("alter table t add cpbh varchar(12)");
    EXPECT_TRUE(db.hasColumn("t", "CPBH"));
    EXPECT_THROW(db.exec("select nothing from nowhere"), DatabaseError);
}

TEST(Database, TransactionRollsBackUnlessCommitted) {
    TempFolder home;
    makeTable(home.file("s.data"));
    Database db;
    ASSERT_TRUE(db.open(home.file("s.data")));
    {
        Transaction t(db);
        db.insert("insert into t (Name) values ('lost')");
    }
    EXPECT_EQ(db.scalar("select count(*) from t").toInt(), 0);
    {
        Transaction t(db);
        db.insert("insert into t (Name) values ('kept')");
        t.commit();
    }
    EXPECT_EQ(db.scalar("select count(*) from t").toInt(), 1);
}
