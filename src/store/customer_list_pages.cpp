#include "store/customer_list_model.h"

void CustomerListModel::setPages(PageReader reader, int total) {
    beginResetModel();
    reader_ = std::move(reader);
    lastRead_.reset();
    total_ = total;
    rows_ = readPage();
    if (!newestFirst()) {
        while (reader_) {
            std::vector<CustomerListRow> page = readPage();
            rows_.insert(rows_.end(), page.begin(), page.end());
        }
        sortRows();
    }
    endResetModel();
}

std::vector<CustomerListRow> CustomerListModel::readPage() {
    std::vector<CustomerListRow> page = reader_(ListPage{lastRead_, PageSize});
    if (int(page.size()) < PageSize) {
        reader_ = {};
    }
    if (!page.empty()) {
        lastRead_ = page.back().id;
    }
    return page;
}

bool CustomerListModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && bool(reader_);
}

void CustomerListModel::fetchMore(const QModelIndex& parent) {
    if (!canFetchMore(parent)) {
        return;
    }
    std::vector<CustomerListRow> page = readPage();
    if (page.empty()) {
        return;
    }
    const int first = int(rows_.size());
    beginInsertRows({}, first, first + int(page.size()) - 1);
    rows_.insert(rows_.end(), std::make_move_iterator(page.begin()),
                 std::make_move_iterator(page.end()));
    endInsertRows();
}

void CustomerListModel::fetchAll() {
    while (canFetchMore({})) {
        fetchMore({});
    }
}
