#include "quote/bill_table.h"

#include <QFont>

void BillTable::beginRewrite() {
    beginResetModel();
}

void BillTable::setRow(int k, BillRow row) {
    if (k < int(rows_.size())) {
        rows_[std::size_t(k)] = std::move(row);
    } else {
        rows_.push_back(std::move(row));
    }
}

void BillTable::truncate(int count) {
    if (count < int(rows_.size())) {
        rows_.resize(std::size_t(std::max(count, 0)));
    }
}

void BillTable::endRewrite() {
    endResetModel();
}

void BillTable::clear() {
    beginRewrite();
    rows_.clear();
    endRewrite();
}

int BillTable::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int BillTable::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Columns;
}

QVariant BillTable::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= int(rows_.size())) {
        return {};
    }
    const BillRow& row = rows_[std::size_t(index.row())];
    if (role == Qt::DisplayRole) {
        if (index.column() == 0) {
            return row.caption;
        }
        return index.column() <= row.values.size() ? row.values[index.column() - 1] : QString();
    }
    if (role == Qt::FontRole && row.icon == 0) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    if (role == Qt::TextAlignmentRole && index.column() > 0) {
        return int(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QVariant BillTable::headerData(int section, Qt::Orientation orientation, int role) const {
    static const QStringList captions{QStringLiteral("产品"),      QStringLiteral("规格"),
                                      QStringLiteral("数量"),      QStringLiteral("修正"),
                                      QStringLiteral("单位"),      QStringLiteral("单价（元）"),
                                      QStringLiteral("金额（元）")};
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < Columns) {
        return captions[section];
    }
    return {};
}
