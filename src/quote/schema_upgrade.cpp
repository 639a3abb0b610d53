#include "quote/schema_upgrade.h"

#include "library/library_schema.h"
#include "platform/database.h"
#include "store/customer_store.h"
#include "store/cutting_stock_table.h"
#include "store/room_ceilings.h"

namespace {

// Another seat's open transaction must not hold up the start: the upgrade waits at most
// this long for a lock.
constexpr int UpgradeLockWait = 2000;

class LimitedLockWait {
public:
    explicit LimitedLockWait(Database& db) : db_(db) { db_.limitLockWait(UpgradeLockWait); }
    ~LimitedLockWait() { db_.restoreLockWait(); }
    LimitedLockWait(const LimitedLockWait&) = delete;
    LimitedLockWait& operator=(const LimitedLockWait&) = delete;

private:
    Database& db_;
};

// Adds the columns when `marker` (the group's first member) is missing.
void addColumnGroup(Database& db, const QString& table, const QString& marker,
                    const QStringList& statements) {
    if (db.hasColumn(table, marker)) {
        return;
    }
    Transaction t(db);
    for (const QString& sql : statements) {
        db.exec(sql);
    }
    t.commit();
}

} // namespace

void upgradeCustomerStore(Database& store) {
    const LimitedLockWait limited(store);
    const QString users = QStringLiteral("userlist");
    // The edge trim price is a decimal value (yuan per metre), so it is stored as real.
    addColumnGroup(
        store, users, QStringLiteral("shoubian"),
        {QStringLiteral("alter table userlist add column shoubian integer default 0"),
         QStringLiteral("alter table userlist add column shoubian_price real default 0")});
    addColumnGroup(store, users, QStringLiteral("ming"),
                   {QStringLiteral("alter table userlist add column ming integer default 0"),
                    QStringLiteral("alter table userlist add column version integer default 0")});
    addColumnGroup(
        store, users, QStringLiteral("Autoshoubian"),
        {QStringLiteral("alter table userlist add column Autoshoubian integer default 0")});
    // Rooms stored before the column existed all took part in the statistics; they keep
    // doing so, while the column's default stays 1.
    addColumnGroup(store, QStringLiteral("roomlist"), QStringLiteral("not_cacl"),
                   {QStringLiteral("alter table roomlist add column not_cacl integer default 1"),
                    QStringLiteral("update roomlist set not_cacl = 0")});
    // Saves check and advance a customer's revision, so that one seat does not silently
    // overwrite what another saved meanwhile.
    addColumnGroup(
        store, users, QStringLiteral("revision"),
        {QStringLiteral("alter table userlist add column revision integer not null default 0")});
    room_ceilings::createWhenMissing(store);
    cutting_stock_table::createWhenMissing(store);
    try {
        CustomerStore(store).ensureIndexes();
    } catch (const DatabaseError& e) {
        // The indexes only speed the lists up: one that another seat's transaction kept
        // from being made is made at a later start.
        if (e.cause() != DatabaseError::Cause::Busy) {
            throw;
        }
    }
}

void upgradeProductLibrary(Database& library) {
    const QString pic = QStringLiteral("pic");
    const bool cpbhMissing = !library.hasColumn(pic, QStringLiteral("cpbh"));
    const bool picurlMissing = !library.hasColumn(pic, QStringLiteral("picurl"));
    // A library that has everything is not locked at all.
    if (!cpbhMissing && !picurlMissing && library.hasIndex(QStringLiteral("pic_title"))) {
        return;
    }
    const LimitedLockWait limited(library);
    Transaction t(library);
    if (cpbhMissing) {
        library.exec(QStringLiteral("alter table pic add column cpbh varchar(12)"));
    }
    if (picurlMissing) {
        library.exec(QStringLiteral("alter table pic add column picurl varchar(100)"));
    }
    ensureProductNameIndex(library);
    t.commit();
}
