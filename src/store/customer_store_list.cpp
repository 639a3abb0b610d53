#include "store/customer_store.h"

#include "platform/database.h"

#include <QSqlQuery>

#include <algorithm>

namespace {

// The customers with their area names: `user_view` without the handler, whose columns the
// index userlist_browse holds.
const QString listed =
    QStringLiteral("userlist left join arealist on userlist.AREAID = arealist.id where ");

// The condition of the rows the query selects, with its values in order.
struct Filter {
    QString where;
    QVariantList values;
};

QString textColumn(SearchField field) {
    switch (field) {
    case SearchField::ProjectNumber:
        return QStringLiteral("proid");
    case SearchField::Name:
        return QStringLiteral("name");
    default:
        return QStringLiteral("addr");
    }
}

Filter filterOf(const Database& db, const CustomerQuery& query) {
    Filter f{QStringLiteral("Compid = ?"), {query.compid}};
    const QString pattern = containsPattern(query.text);
    const bool byText = !query.text.isEmpty() && query.field != SearchField::None;
    if (byText && query.field == SearchField::Telephone) {
        // Grouped, so that the company and area conditions hold for both numbers.
        f.where += QStringLiteral(" and (%1 or %2)")
                       .arg(db.containsCondition(QStringLiteral("tele")),
                            db.containsCondition(QStringLiteral("tele2")));
        f.values << pattern << pattern;
    } else if (byText) {
        f.where += QStringLiteral(" and ") + db.containsCondition(textColumn(query.field));
        f.values << pattern;
    }
    if (!query.area.isEmpty()) {
        f.where += QStringLiteral(" and title = ?");
        f.values << query.area;
    }
    return f;
}

} // namespace

std::vector<CustomerListRow> CustomerStore::listCustomers(const CustomerQuery& query,
                                                          const ListPage& page) {
    Filter f = filterOf(db_, query);
    if (page.before) {
        // Keyset paging: the next page starts below the last row of the one before, so a
        // page deep in the list costs as little as the first.
        f.where += QStringLiteral(" and userlist.id < ?");
        f.values << *page.before;
    }
    QString tail = QStringLiteral(" order by userlist.id desc");
    if (page.limit > 0) {
        tail += QStringLiteral(" limit ?");
        f.values << page.limit;
    }
    // Dates are compared in the store and cut as ISO texts: turning 20 000 of them into
    // local date-times costs more than the rest of the list together. An SQLite file
    // keeps them as those texts already; the server writes its dates that way too.
    QSqlQuery q = db_.exec(QStringLiteral("select userlist.id, proid, name, tele, tele2, title, "
                                          "addr, substr(cast(designdate as text), 1, 10), "
                                          "price, enddate > ? from ") +
                               listed + f.where + tail,
                           QVariantList{QDateTime::currentDateTime()} + f.values);
    std::vector<CustomerListRow> rows;
    // A server hands over every row at once and says how many; a file does not know.
    rows.reserve(std::size_t(std::max(q.size(), 0)));
    while (q.next()) {
        rows.push_back({q.value(0).toInt(), q.value(1).toString(), q.value(2).toString(),
                        q.value(3).toString(), q.value(4).toString(), q.value(5).toString(),
                        q.value(6).toString(),
                        QDate::fromString(q.value(7).toString(), Qt::ISODate),
                        q.value(8).toDouble(), q.value(9).toInt() != 0});
    }
    return rows;
}

int CustomerStore::countOf(const CustomerQuery& query) {
    const Filter f = filterOf(db_, query);
    return db_.scalar(QStringLiteral("select count(*) from ") + listed + f.where, f.values).toInt();
}

ListSummary CustomerStore::summaryOf(const CustomerQuery& query) {
    const Filter f = filterOf(db_, query);
    QSqlQuery q = db_.exec(QStringLiteral("select count(*), coalesce(sum(price), 0), "
                                          "coalesce(sum(case when enddate > ? then 1 else 0 "
                                          "end), 0), (select count(*) from roomlist where "
                                          "UserId in (select userlist.id from ") +
                               listed + f.where + QStringLiteral(")) from ") + listed + f.where,
                           QVariantList{QDateTime::currentDateTime()} + f.values + f.values);
    ListSummary summary;
    if (q.next()) {
        summary.customers = q.value(0).toInt();
        summary.total = q.value(1).toDouble();
        summary.completed = q.value(2).toInt();
        summary.rooms = q.value(3).toInt();
    }
    return summary;
}
