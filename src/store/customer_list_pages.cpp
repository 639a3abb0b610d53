#include "store/customer_list_model.h"

void CustomerListModel::setPages(PageReader reader, int total) {
    beginResetModel();
    reader_ = std::move(reader);
    lastRead_.reset();
    total_ = total;
    if (newestFirst()) {
        rows_ = readPage(PageSize);
    } else {
        rows_ = readPage(0);
        sortRows();
    }
    endResetModel();
}

std::vector<CustomerListRow> CustomerListModel::readPage(int limit) {
    std::vector<CustomerListRow> page = reader_(ListPage{lastRead_, limit});
    if (limit == 0 || int(page.size()) < limit) {
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
    if (canFetchMore(parent)) {
        append(readPage(PageSize));
    }
}

void CustomerListModel::fetchAll() {
    if (canFetchMore({})) {
        append(readPage(0));
    }
}

void CustomerListModel::append(std::vector<CustomerListRow> page) {
    if (page.empty()) {
        return;
    }
    const int first = int(rows_.size());
    beginInsertRows({}, first, first + int(page.size()) - 1);
    rows_.insert(rows_.end(), std::make_move_iterator(page.begin()),
                 std::make_move_iterator(page.end()));
    endInsertRows();
}
