#include "store/customer_name_search.h"

#include "platform/database.h"
#include "platform/pinyin_keys.h"
#include "store/customer_store.h"

#include <QHash>
#include <QSqlQuery>

#include <algorithm>

std::vector<CustomerListRow> rowsNamed(std::vector<CustomerListRow> rows, const QString& text,
                                       PinyinIndex& index) {
    const NameSearch search(text);
    std::erase_if(rows,
                  [&](const CustomerListRow& row) { return !search.matches(row.name, index); });
    return rows;
}

bool searchesPinyin(const CustomerQuery& query) {
    return query.field == SearchField::Name && couldBePinyin(query.text);
}

int roomCountOfRows(CustomerStore& store, qint32 compid, const std::vector<CustomerListRow>& rows) {
    QSqlQuery q = store.database().exec(
        QStringLiteral("select roomlist.UserId, count(*) from roomlist join userlist on "
                       "userlist.id = roomlist.UserId where userlist.Compid = ? "
                       "group by roomlist.UserId"),
        {compid});
    QHash<qint32, int> roomsOf;
    while (q.next()) {
        roomsOf.insert(q.value(0).toInt(), q.value(1).toInt());
    }
    int rooms = 0;
    for (const CustomerListRow& row : rows) {
        rooms += roomsOf.value(row.id);
    }
    return rooms;
}
