#include "store/customer_list_model.h"

#include "platform/pinyin_order.h"

#include <QCollator>

#include <algorithm>

namespace {

// Compares two rows by one column: negative, zero or positive.
int compareBy(int column, const QCollator& collator, const CustomerListRow& a,
              const CustomerListRow& b) {
    const auto byValue = [](const auto& x, const auto& y) { return x < y ? -1 : y < x ? 1 : 0; };
    switch (column) {
    case CustomerListModel::ProjectNumber:
        return collator.compare(a.proid, b.proid);
    case CustomerListModel::Name:
        return collator.compare(a.name, b.name);
    case CustomerListModel::Tele:
        return collator.compare(a.tele, b.tele);
    case CustomerListModel::Tele2:
        return collator.compare(a.tele2, b.tele2);
    case CustomerListModel::Area:
        return collator.compare(a.area, b.area);
    case CustomerListModel::Addr:
        return collator.compare(a.addr, b.addr);
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
    const QCollator collator = pinyinCollator();
    const int sign = sortOrder_ == Qt::AscendingOrder ? 1 : -1;
    // Equal rows stay newest first.
    std::stable_sort(rows_.begin(), rows_.end(),
                     [&](const CustomerListRow& a, const CustomerListRow& b) {
                         const int c = compareBy(sortColumn_, collator, a, b);
                         return c != 0 ? sign * c < 0 : a.id > b.id;
                     });
}
