#include "store/customer_browser.h"

#include "library/product_library.h"
#include "store/customer_name_search.h"
#include "store/customer_store.h"
#include "store/stored_lists.h"

#include <cmath>

QStringList ListSummary::texts() const {
    return {QStringLiteral("客户数：") + QString::number(customers),
            QStringLiteral("房间数：") + QString::number(rooms),
            QStringLiteral("竣工数：") + QString::number(completed),
            QStringLiteral("总金额：") + QString::number(qint64(std::nearbyint(total))) +
                QStringLiteral("元")};
}

CustomerBrowser::CustomerBrowser(CustomerStore& store, ProductLibrary& library, Prompts& prompts,
                                 qint32 compid)
    : store_(store), library_(library), prompts_(prompts) {
    query_.compid = compid;
}

void CustomerBrowser::rebuild() {
    if (searchesPinyin(query_)) {
        // The store cannot spell pinyin: it lists the area's customers and the names are
        // matched here.
        std::vector<CustomerListRow> rows =
            rowsNamed(store_.listCustomers({query_.compid, query_.area, SearchField::None, {}}),
                      query_.text, pinyin_);
        ListSummary summary;
        summary.customers = int(rows.size());
        for (const CustomerListRow& row : rows) {
            summary.total += row.price;
            summary.completed += row.completed ? 1 : 0;
        }
        summary.rooms = roomCountOfRows(store_, query_.compid, rows);
        summary_ = summary;
        list_.setRows(std::move(rows));
        return;
    }
    summary_.reset();
    list_.setPages([&store = store_, query = query_](
                       const ListPage& page) { return store.listCustomers(query, page); },
                   store_.countOf(query_));
}

const ListSummary& CustomerBrowser::summary() {
    if (!summary_) {
        summary_ = store_.summaryOf(query_);
    }
    return *summary_;
}

void CustomerBrowser::showAll() {
    query_ = CustomerQuery{query_.compid, {}, SearchField::None, {}};
    rebuild();
}

void CustomerBrowser::filterArea(const QString& entry) {
    const QString area = entry.trimmed();
    query_ = CustomerQuery{query_.compid,
                           area == QStringLiteral("全部小区") ? QString() : area,
                           SearchField::None,
                           {}};
    rebuild();
}

void CustomerBrowser::search(const QString& text, SearchField field, const QString& area) {
    const QString t = text.trimmed();
    query_ = CustomerQuery{query_.compid, area.trimmed(), t.isEmpty() ? SearchField::None : field,
                           field == SearchField::None ? QString() : t};
    rebuild();
    if (list_.rowCount() > 0 && !t.isEmpty() && !history_.contains(t)) {
        history_.prepend(t);
    }
}

CustomerListRow CustomerBrowser::listRowOf(qint32 id) {
    const std::optional<CustomerRecord> c = store_.customer(id);
    if (!c) {
        return {};
    }
    return {c->id,    c->proid,
            c->name,  c->tele,
            c->tele2, c->areaTitle,
            c->addr,  c->designdate.date(),
            c->price, c->enddate > QDateTime::currentDateTime()};
}

void CustomerBrowser::listNew(qint32 id) {
    summary();
    CustomerListRow row = listRowOf(id);
    if (row.id >= 0) {
        list_.insertTop(std::move(row));
    }
}

void CustomerBrowser::relist(qint32 id) {
    const CustomerListRow row = listRowOf(id);
    if (row.id >= 0) {
        list_.replace(row);
    }
}

void CustomerBrowser::deleteCustomer(qint32 id) {
    summary();
    store_.deleteCustomer(id);
    list_.remove(id);
    if (selected_ == id) {
        select(-1);
    }
}

void CustomerBrowser::select(qint32 id) {
    selected_ = id;
    rooms_.clear();
    billLines_.clear();
    otherItems_.clear();
    projectSummary_.clear();
    if (id < 0) {
        return;
    }
    const std::optional<CustomerRecord> c = store_.customer(id);
    if (!c) {
        return;
    }
    billLines_ = stored_lists::decodeBillLines(c->prolist, &prompts_);
    otherItems_ = stored_lists::decodeOtherItems(c->otherlist, &prompts_);
    projectSummary_ = ::projectSummary(library_.allCategories(), billLines_, otherItems_);
    rooms_ = store_.roomsOf(id, false);
}

void CustomerBrowser::renameRoom(qint32 roomId, const QString& title) {
    store_.renameRoom(roomId, title.trimmed());
    for (RoomRecord& room : rooms_) {
        if (room.id == roomId) {
            room.title = title.trimmed();
        }
    }
}
