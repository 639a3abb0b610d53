#include "store/customer_list_model.h"

#include "platform/pinyin_order.h"

#include <QCollator>

#include <algorithm>
#include <numeric>

namespace {

// The text a text column sorts by; none for the other columns.
const QString* sortText(int column, const CustomerListRow& row) {
    switch (column) {
    case CustomerListModel::ProjectNumber:
        return &row.proid;
    case CustomerListModel::Name:
        return &row.name;
    case CustomerListModel::Tele:
        return &row.tele;
    case CustomerListModel::Tele2:
        return &row.tele2;
    case CustomerListModel::Area:
        return &row.area;
    case CustomerListModel::Addr:
        return &row.addr;
    default:
        return nullptr;
    }
}

// Compares two rows by a column of values: negative, zero or positive.
int compareValues(int column, const CustomerListRow& a, const CustomerListRow& b) {
    const auto byValue = [](const auto& x, const auto& y) { return x < y ? -1 : y < x ? 1 : 0; };
    switch (column) {
    case CustomerListModel::DesignDate:
        return byValue(a.designdate, b.designdate);
    case CustomerListModel::Price:
        return byValue(a.price, b.price);
    default:
        return byValue(a.id, b.id);
    }
}

} // namespace

void CustomerListModel::sort(int column, Qt::SortOrder order) {
    // The store lists newest first only; any other order needs every row.
    fetchAll();
    sortColumn_ = column;
    sortOrder_ = order;
    emit layoutAboutToBeChanged();
    const QModelIndexList before = persistentIndexList();
    std::vector<qint32> ids;
    for (const QModelIndex& i : before) {
        ids.push_back(idAt(i.row()));
    }
    sortRows();
    QModelIndexList after;
    for (qsizetype i = 0; i < before.size(); ++i) {
        after << index(rowOf(ids[std::size_t(i)]), before[i].column());
    }
    changePersistentIndexList(before, after);
    emit layoutChanged();
}

bool CustomerListModel::newestFirst() const {
    return sortColumn_ == Number && sortOrder_ == Qt::DescendingOrder;
}

void CustomerListModel::sortRows() {
    const int sign = sortOrder_ == Qt::AscendingOrder ? 1 : -1;
    if (rows_.empty() || !sortText(sortColumn_, rows_.front())) {
        // Equal rows stay newest first.
        std::stable_sort(rows_.begin(), rows_.end(),
                         [&](const CustomerListRow& a, const CustomerListRow& b) {
                             const int c = compareValues(sortColumn_, a, b);
                             return c != 0 ? sign * c < 0 : a.id > b.id;
                         });
        return;
    }
    // A text column is compared through each row's collation key, made once: comparing
    // two keys is a byte comparison, where the collator would analyse both texts again.
    const QCollator collator = pinyinCollator();
    std::vector<QCollatorSortKey> keys;
    keys.reserve(rows_.size());
    for (const CustomerListRow& row : rows_) {
        keys.push_back(collator.sortKey(*sortText(sortColumn_, row)));
    }
    std::vector<std::size_t> order(rows_.size());
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int c = keys[a].compare(keys[b]);
        return c != 0 ? sign * c < 0 : rows_[a].id > rows_[b].id;
    });
    std::vector<CustomerListRow> sorted;
    sorted.reserve(rows_.size());
    for (const std::size_t i : order) {
        sorted.push_back(std::move(rows_[i]));
    }
    rows_ = std::move(sorted);
}
