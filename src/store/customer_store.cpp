#include "store/customer_store.h"

#include "platform/database.h"
#include "store/cutting_stock_table.h"
#include "store/room_ceilings.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace {

// The written columns of `userlist`, in the order of `customerValues`.
const QStringList customerColumns = {
    QStringLiteral("Compid"),       QStringLiteral("proid"),
    QStringLiteral("projectname"),  QStringLiteral("name"),
    QStringLiteral("sex"),          QStringLiteral("work"),
    QStringLiteral("addr"),         QStringLiteral("tele"),
    QStringLiteral("tele2"),        QStringLiteral("fax"),
    QStringLiteral("email"),        QStringLiteral("IM"),
    QStringLiteral("designdate"),   QStringLiteral("workdate"),
    QStringLiteral("enddate"),      QStringLiteral("smonth"),
    QStringLiteral("sday"),         QStringLiteral("memo"),
    QStringLiteral("AREAID"),       QStringLiteral("worker"),
    QStringLiteral("price"),        QStringLiteral("zk"),
    QStringLiteral("locked"),       QStringLiteral("\"long\""),
    QStringLiteral("longprice"),    QStringLiteral("slong"),
    QStringLiteral("slongprice"),   QStringLiteral("jie"),
    QStringLiteral("diao"),         QStringLiteral("anzhuangprice"),
    QStringLiteral("shoubian"),     QStringLiteral("shoubian_price"),
    QStringLiteral("Autoshoubian"), QStringLiteral("ming"),
    QStringLiteral("version"),      QStringLiteral("Prolist"),
    QStringLiteral("otherlist")};

QVariant dateValue(const QDateTime& date) {
    return date.isValid() ? date : zeroDate();
}

QVariantList customerValues(const CustomerRecord& r) {
    return {r.compid,
            r.proid,
            r.projectname,
            r.name,
            r.sex ? 1 : 0,
            r.work,
            r.addr,
            r.tele,
            r.tele2,
            r.fax,
            r.email,
            r.im,
            dateValue(r.designdate),
            dateValue(r.workdate),
            dateValue(r.enddate),
            r.smonth,
            r.sday,
            r.memo,
            r.areaId,
            r.worker,
            r.price,
            r.zk,
            r.locked ? 1 : 0,
            r.keelLength,
            r.keelPrice,
            r.triangleKeelLength,
            r.triangleKeelPrice,
            r.connectors,
            r.hangers,
            r.installationFee,
            r.shoubian,
            r.shoubianPrice,
            r.autoShoubian,
            r.ming,
            r.version,
            r.prolist,
            r.otherlist};
}

// A column of the row by name, without regard to case; null when the row lacks it.
QVariant column(const QSqlQuery& q, const QSqlRecord& shape, const char* name) {
    const int index = shape.indexOf(QString::fromLatin1(name));
    return index < 0 ? QVariant() : q.value(index);
}

CustomerRecord readCustomer(const QSqlQuery& q, bool withLists) {
    const QSqlRecord shape = q.record();
    const auto text = [&](const char* name) { return column(q, shape, name).toString(); };
    const auto number = [&](const char* name) { return column(q, shape, name).toInt(); };
    const auto real = [&](const char* name) { return column(q, shape, name).toDouble(); };
    const auto date = [&](const char* name) { return column(q, shape, name).toDateTime(); };
    CustomerRecord r;
    r.id = number("id");
    r.compid = number("Compid");
    r.proid = text("proid");
    r.projectname = text("projectname");
    r.name = text("name");
    r.sex = number("sex") != 0;
    r.work = text("work");
    r.addr = text("addr");
    r.tele = text("tele");
    r.tele2 = text("tele2");
    r.fax = text("fax");
    r.email = text("email");
    r.im = text("IM");
    r.designdate = date("designdate");
    r.workdate = date("workdate");
    r.enddate = date("enddate");
    r.smonth = number("smonth");
    r.sday = number("sday");
    r.memo = text("memo");
    r.areaId = column(q, shape, "AREAID").isNull() ? -1 : number("AREAID");
    r.worker = column(q, shape, "worker").isNull() ? -1 : number("worker");
    r.price = real("price");
    r.zk = number("zk");
    r.locked = number("locked") != 0;
    r.keelLength = real("long");
    r.keelPrice = real("longprice");
    r.triangleKeelLength = real("slong");
    r.triangleKeelPrice = real("slongprice");
    r.connectors = real("jie");
    r.hangers = real("diao");
    r.installationFee = real("anzhuangprice");
    r.shoubian = number("shoubian");
    r.shoubianPrice = real("shoubian_price");
    r.autoShoubian = number("Autoshoubian");
    r.ming = number("ming");
    r.version = number("version");
    r.revision = number("revision");
    if (withLists) {
        r.prolist = column(q, shape, "Prolist").toByteArray();
        r.otherlist = column(q, shape, "otherlist").toByteArray();
    }
    r.areaTitle = text("title");
    r.workerName = text("workername");
    return r;
}

} // namespace

QDateTime zeroDate() {
    return QDateTime(QDate(1899, 12, 30), QTime(0, 0));
}

std::optional<CustomerRecord> CustomerStore::customer(qint32 id) {
    QSqlQuery q = db_.exec(QStringLiteral("select * from user_view where id = ?"), {id});
    if (!q.next()) {
        return std::nullopt;
    }
    return readCustomer(q, true);
}

bool CustomerStore::customerExists(qint32 id) {
    return db_.scalar(QStringLiteral("select 1 from userlist where id = ?"), {id}).isValid();
}

qint32 CustomerStore::insertCustomer(const CustomerRecord& record) {
    const QString marks = QStringLiteral("?,").repeated(customerColumns.size()).chopped(1);
    return qint32(db_.insert(QStringLiteral("insert into userlist (%1) values (%2)")
                                 .arg(customerColumns.join(u','), marks),
                             customerValues(record)));
}

bool CustomerStore::updateCustomer(const CustomerRecord& record) {
    // The row lock the update takes makes a concurrent save of the same revision wait
    // for this one and then find no row of that revision.
    return db_.change(QStringLiteral("update userlist set %1 = ?, revision = revision + 1 "
                                     "where id = ? and revision = ?")
                          .arg(customerColumns.join(QStringLiteral(" = ?, "))),
                      customerValues(record) + QVariantList{record.id, record.revision}) == 1;
}

void CustomerStore::overwriteCustomer(const CustomerRecord& record) {
    db_.exec(QStringLiteral("update userlist set %1 = ?, revision = revision + 1 where id = ?")
                 .arg(customerColumns.join(QStringLiteral(" = ?, "))),
             customerValues(record) + QVariantList{record.id});
}

std::optional<qint32> CustomerStore::revisionOf(qint32 id) {
    const QVariant revision =
        db_.scalar(QStringLiteral("select revision from userlist where id = ?"), {id});
    return revision.isValid() ? std::optional<qint32>(revision.toInt()) : std::nullopt;
}

int CustomerStore::drawProjectNumber(int first) {
    db_.exec(
        QStringLiteral(
            "insert into project_counter (id, next) values (1, ?) on conflict (id) do nothing"),
        {first});
    return db_
        .scalar(QStringLiteral(
            "update project_counter set next = next + 1 where id = 1 returning next - 1"))
        .toInt();
}

void CustomerStore::deleteCustomer(qint32 id) {
    Transaction t(db_);
    room_ceilings::removeCustomer(db_, id);
    db_.exec(QStringLiteral("delete from roomlist where UserId = ?"), {id});
    cutting_stock_table::remove(db_, id);
    db_.exec(QStringLiteral("delete from userlist where id = ?"), {id});
    t.commit();
}

std::vector<CustomerRecord> CustomerStore::customersOfCompany(qint32 compid) {
    std::vector<CustomerRecord> customers;
    QSqlQuery q = db_.exec(
        QStringLiteral("select * from user_view where Compid = ? order by id desc"), {compid});
    while (q.next()) {
        customers.push_back(readCustomer(q, false));
    }
    return customers;
}

void CustomerStore::ensureIndexes() {
    // A store too old to have the column gains no index on it.
    if (db_.hasColumn(QStringLiteral("userlist"), QStringLiteral("Compid"))) {
        // Holds every column the customer lists select, search, sum and show, so that they
        // read this index instead of the rows with their stored lists. It serves the
        // company condition alone as well, so the older index on it alone goes.
        createIndexWhenMissing(
            QStringLiteral("userlist_browse"),
            QStringLiteral("create index userlist_browse on userlist (Compid, id, proid, name, "
                           "tele, tele2, addr, AREAID, price, designdate, enddate)"));
        // Counts the company's customers for the list without reading the wide index.
        createIndexWhenMissing(
            QStringLiteral("userlist_company_id"),
            QStringLiteral("create index userlist_company_id on userlist (Compid, id)"));
        if (db_.hasIndex(QStringLiteral("userlist_company"))) {
            db_.exec(QStringLiteral("drop index userlist_company"));
        }
    }
    if (db_.hasColumn(QStringLiteral("roomlist"), QStringLiteral("UserId"))) {
        createIndexWhenMissing(QStringLiteral("roomlist_user"),
                               QStringLiteral("create index roomlist_user on roomlist (UserId)"));
    }
}

void CustomerStore::createIndexWhenMissing(const QString& name, const QString& sql) {
    if (!db_.hasIndex(name)) {
        db_.exec(sql);
    }
}
