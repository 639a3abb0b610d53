#include "store/cutting_stock_table.h"

#include "platform/database.h"
#include "store/store_schema.h"

#include <QSqlQuery>
#include <QVariant>

namespace cutting_stock_table {

void create(Database& db) {
    db.exec(storeStatement(db, "create table cutting_stock (id {key}, UserId integer not null, "
                               "ProductId integer not null, StockLength integer not null)"));
    db.exec(QStringLiteral("create index cutting_stock_user on cutting_stock (UserId)"));
}

void createWhenMissing(Database& db) {
    if (!db.hasColumn(QStringLiteral("cutting_stock"), QStringLiteral("UserId"))) {
        Transaction t(db);
        create(db);
        t.commit();
    }
}

CuttingStock read(Database& db, qint32 userId) {
    CuttingStock stock;
    QSqlQuery q =
        db.exec(QStringLiteral("select ProductId, StockLength from cutting_stock where UserId = ?"),
                {userId});
    while (q.next()) {
        stock[q.value(0).toInt()] = q.value(1).toInt();
    }
    return stock;
}

void write(Database& db, qint32 userId, const CuttingStock& stock) {
    remove(db, userId);
    for (const auto& [product, length] : stock) {
        if (length > 0) {
            db.exec(QStringLiteral("insert into cutting_stock (UserId, ProductId, StockLength) "
                                   "values (?, ?, ?)"),
                    {userId, product, length});
        }
    }
}

void remove(Database& db, qint32 userId) {
    db.exec(QStringLiteral("delete from cutting_stock where UserId = ?"), {userId});
}

} // namespace cutting_stock_table
