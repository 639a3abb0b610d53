#include "platform/database.h"
#include "store/customer_store.h"
#include "store/cutting_stock_table.h"
#include "store/store_copy.h"
#include "store/store_schema.h"
#include "support/stopping_progress.h"
#include "support/temp_folder.h"
#include "support/test_database.h"

#include <QDir>
#include <QRandomGenerator>
#include <QSqlRecord>

#include <gtest/gtest.h>

namespace {

QByteArray randomBytes(QRandomGenerator& random, int size) {
    QByteArray bytes(size, '\0');
    for (char& b : bytes) {
        b = char(random.bounded(256));
    }
    return bytes;
}

// Every row of a table as text, in id order, over the columns of `columnsOf`: blobs as
// hexadecimal, dates to the millisecond, numbers with every digit; names compare without
// regard to case, as the server folds them.
std::vector<QStringList> rowsOf(Database& db, const char* table, Database& columnsOf) {
    const QSqlRecord columns = columnsOf.connection().record(QString::fromLatin1(table));
    std::vector<QStringList> rows;
    QSqlQuery q = db.exec(QStringLiteral("select * from %1 order by id").arg(table));
    while (q.next()) {
        QStringList row;
        for (int i = 0; i < columns.count(); ++i) {
            const int at = q.record().indexOf(columns.fieldName(i));
            const QVariant v = at < 0 ? QVariant() : q.value(at);
            const int type = v.metaType().id();
            if (v.isNull()) {
                row.append(QStringLiteral("<null>"));
            } else if (type == QMetaType::QByteArray) {
                row.append(QString::fromLatin1(v.toByteArray().toHex()));
            } else if (type == QMetaType::QDateTime || columns.fieldName(i).endsWith(u"date")) {
                row.append(v.toDateTime().toString(Qt::ISODateWithMs));
            } else if (type == QMetaType::Double || type == QMetaType::Float) {
                row.append(QString::number(v.toDouble(), 'g', 17));
            } else {
                row.append(v.toString());
            }
        }
        rows.push_back(row);
    }
    return rows;
}

void expectSameRows(Database& a, Database& b, Database& columnsOf) {
    for (const char* table : {"arealist", "workerlist", "userlist", "roomlist", "cutting_stock"}) {
        EXPECT_EQ(rowsOf(a, table, columnsOf), rowsOf(b, table, columnsOf)) << table;
    }
}

// A local store with gaps in its ids, blobs holding every byte value and dates.
void fillLocalStore(Database& local) {
    createStoreSchema(local);
    CustomerStore store(local);
    QRandomGenerator random(20261210);
    const qint32 area = store.addName(NameList::Areas, QStringLiteral("翠湖花园"));
    store.addName(NameList::Handlers, QStringLiteral("王'五"));
    for (int i = 0; i < 5; ++i) {
        CustomerRecord customer;
        customer.compid = 7;
        customer.proid = QStringLiteral("YZ%1").arg(i);
        customer.name = QStringLiteral("客户\"%1").arg(i);
        customer.areaId = area;
        customer.price = 1234.5 + i / 3.0;
        customer.designdate = QDateTime(QDate(2026, 3, 1 + i), QTime(9, 30, 15, 250));
        customer.prolist = randomBytes(random, 300 + i);
        customer.otherlist = QByteArray(256, '\0');
        for (int b = 0; b < 256; ++b) {
            customer.otherlist[b] = char(b);
        }
        const qint32 id = store.insertCustomer(customer);
        for (int r = 0; r < 2; ++r) {
            RoomRecord room;
            room.userId = id;
            room.title = QStringLiteral("房间%1").arg(r);
            room.roomWall = randomBytes(random, 2000);
            room.roomKouban = randomBytes(random, 500);
            room.pic = randomBytes(random, 4000);
            store.insertRoom(room);
        }
        cutting_stock_table::write(local, id, {{77, 4000 + i}, {78, 6000}});
        if (i == 1) {
            store.deleteCustomer(id); // a gap in the id sequences
        }
    }
}

} // namespace

TEST(StoreCopy, UploadAndBackupKeepEveryRowAndBlobAndTheServerGoesOnAfterTheCopiedIds) {
    TestDatabase server(Engine::PostgreSQL);
    Database remote;
    OPEN_TEST_DATABASE_OR_SKIP(server, remote);
    createStoreSchema(remote);
    CustomerStore(remote).addName(NameList::Areas, QStringLiteral("服务器上的无主小区"));

    TempFolder folder;
    const QString localFile = folder.file(QStringLiteral("Userdb.data"));
    {
        Database local;
        ASSERT_TRUE(local.create(localFile));
        fillLocalStore(local);
    }
    QString problem;
    ASSERT_TRUE(store_copy::upload(localFile, remote, &problem)) << problem.toStdString();

    Database local;
    ASSERT_TRUE(local.open(localFile));
    expectSameRows(local, remote, local);

    // Once only: a server that holds customers refuses a second upload and keeps its rows.
    EXPECT_FALSE(store_copy::upload(localFile, remote, &problem));
    EXPECT_EQ(problem, QStringLiteral("服务器客户库中已有客户,不能再上传."));
    expectSameRows(local, remote, local);

    CustomerRecord next;
    next.name = QStringLiteral("新客户");
    const qint32 nextId = CustomerStore(remote).insertCustomer(next);
    EXPECT_GT(nextId, local.scalar(QStringLiteral("select max(id) from userlist")).toInt());

    // The server's backup is a local store file holding the server's rows.
    const QString backup = folder.file(QStringLiteral("backup/Userdb.data"));
    QDir().mkpath(folder.file(QStringLiteral("backup")));
    // A copy stopped at any row leaves nothing behind.
    StoppingProgress whole;
    ASSERT_TRUE(store_copy::writeLocalFile(remote, backup, whole));
    const int rows = whole.totals.value(0);
    EXPECT_EQ(whole.reported.back(), rows);
    QFile::remove(backup);
    QRandomGenerator random(17);
    for (int round = 0; round < 3; ++round) {
        StoppingProgress stopping(int(random.bounded(rows)));
        EXPECT_FALSE(store_copy::writeLocalFile(remote, backup, stopping));
        EXPECT_TRUE(QDir(folder.file(QStringLiteral("backup")))
                        .isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    }
    ASSERT_TRUE(store_copy::writeLocalFile(remote, backup, noProgress()));
    Database copy;
    ASSERT_TRUE(copy.open(backup));
    expectSameRows(remote, copy, local);
    ASSERT_TRUE(CustomerStore(copy).customer(nextId));
    EXPECT_EQ(CustomerStore(copy).customer(nextId)->name, QStringLiteral("新客户"));
}
