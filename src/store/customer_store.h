#pragma once

#include "store/customer_query.h"
#include "store/customer_record.h"

#include <QList>
#include <QStringList>

#include <optional>
#include <vector>

class Database;

// The two short name lists customers refer to by id: residential areas (`arealist`,
// customers' `AREAID`) and handlers (`workerlist`, customers' `worker`).
enum class NameList { Areas, Handlers };

struct NamedEntry {
    qint32 id = -1;
    QString name;
};

// Every statement on the customer store: customers, rooms, areas and handlers. Values are
// bound parameters, never text put into the statement. Customers are written through
// `userlist` and read through `user_view` (SQLite views are read-only), which adds each
// customer's area title and handler name. Engine errors are thrown (DatabaseError).
class CustomerStore {
public:
    explicit CustomerStore(Database& db) : db_(db) {}

    Database& database() { return db_; }

    // --- Customers.
    // The customer with its area and handler names; none for an unknown id.
    std::optional<CustomerRecord> customer(qint32 id);
    bool customerExists(qint32 id);
    // Inserts the row (its id is ignored) and returns the id the store assigned.
    qint32 insertCustomer(const CustomerRecord& record);
    // Writes every column of the row with the record's id and advances its revision,
    // provided the stored revision is still the record's. False when another save changed
    // the row since it was read, or removed it: then nothing is written.
    [[nodiscard]] bool updateCustomer(const CustomerRecord& record);
    // The same whatever revision is stored.
    void overwriteCustomer(const CustomerRecord& record);
    // The stored revision of the customer; none for an unknown id.
    std::optional<qint32> revisionOf(qint32 id);
    // The customer's rooms first, then the customer.
    void deleteCustomer(qint32 id);
    // The customers of one company, newest first, without their stored lists.
    std::vector<CustomerRecord> customersOfCompany(qint32 compid);
    // The customers the query selects, newest first, all or one page of them.
    std::vector<CustomerListRow> listCustomers(const CustomerQuery& query,
                                               const ListPage& page = {});
    // How many customers the query selects.
    int countOf(const CustomerQuery& query);
    // The count of the customers the query selects, their rooms, the completed ones and
    // their amounts, in one statement.
    ListSummary summaryOf(const CustomerQuery& query);

    // --- Rooms.
    // The customer's rooms in id order; without the records and pictures unless asked.
    std::vector<RoomRecord> roomsOf(qint32 userId, bool withRecords = true);
    std::optional<RoomRecord> room(qint32 id);
    bool roomExists(qint32 id);
    qint32 insertRoom(const RoomRecord& record);
    // Writes the row's plain columns; the records and picture too when `withRecords`.
    void updateRoom(const RoomRecord& record, bool withRecords = true);
    void deleteRoom(qint32 id);
    void renameRoom(qint32 id, const QString& title);
    // The room's stored preview (a JPEG file); empty when none was made.
    QByteArray roomPicture(qint32 id);
    void setRoomPicture(qint32 id, const QByteArray& picture);

    // --- Areas and handlers: the first row with exactly this (trimmed) name, -1 for none.
    qint32 areaId(const QString& title);
    qint32 workerId(const QString& name);
    qint32 nameId(NameList list, const QString& name);
    // Every entry of the list in row order.
    std::vector<NamedEntry> names(NameList list);
    // The lists of the customer fields: four spaces (no choice), then every name.
    QStringList nameChoices(NameList list);
    // Inserts the name as it is and returns the id the store assigned.
    qint32 addName(NameList list, const QString& name);
    void renameEntry(NameList list, qint32 id, const QString& name);
    void deleteEntry(NameList list, qint32 id);
    // How many customers, of every company, refer to the entry.
    int customersUsing(NameList list, qint32 id);

    // Takes the next running project number from the store's counter, which starts at
    // `first` when no seat has drawn one yet. Runs inside the caller's transaction: its
    // commit takes the number for good, its rollback gives it back, and meanwhile the
    // counter is locked, so that no two connections ever take the same number.
    int drawProjectNumber(int first);

    // The indexes the statements filter by; created when the catalogue lacks them, so
    // that a store which has them takes no lock for it.
    void ensureIndexes();

private:
    void createIndexWhenMissing(const QString& name, const QString& sql);

    Database& db_;
};
