#include "store/customer_list_model.h"

#include "platform/decimal_text.h"

void CustomerListModel::setMode(Mode mode) {
    mode_ = mode;
    if (!rows_.empty()) {
        emit dataChanged(index(0, 0), index(int(rows_.size()) - 1, 0));
    }
}

void CustomerListModel::setRows(std::vector<CustomerListRow> rows) {
    beginResetModel();
    reader_ = {};
    rows_ = std::move(rows);
    total_ = int(rows_.size());
    sortRows();
    endResetModel();
}

void CustomerListModel::insertTop(CustomerListRow row) {
    beginInsertRows({}, 0, 0);
    rows_.insert(rows_.begin(), std::move(row));
    ++total_;
    endInsertRows();
    // Every running number below moved down by one.
    emit dataChanged(index(0, 0), index(int(rows_.size()) - 1, 0));
}

void CustomerListModel::replace(const CustomerListRow& row) {
    const int r = rowOf(row.id);
    if (r < 0) {
        return;
    }
    rows_[std::size_t(r)] = row;
    emit dataChanged(index(r, 0), index(r, Columns - 1));
}

void CustomerListModel::remove(qint32 id) {
    const int r = rowOf(id);
    if (r < 0) {
        return;
    }
    beginRemoveRows({}, r, r);
    rows_.erase(rows_.begin() + r);
    --total_;
    endRemoveRows();
}

int CustomerListModel::rowOf(qint32 id) const {
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].id == id) {
            return int(i);
        }
    }
    return -1;
}

qint32 CustomerListModel::idAt(int row) const {
    return row >= 0 && row < int(rows_.size()) ? rows_[std::size_t(row)].id : -1;
}

QString designDateText(QDate date) {
    if (!date.isValid() || date.year() == 1899) {
        return QStringLiteral("  ");
    }
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

QString CustomerListModel::text(int row, int column) const {
    const CustomerListRow& r = rows_[std::size_t(row)];
    switch (column) {
    case Number:
        switch (mode_) {
        case Detailed:
            return QString::number(total_ - row);
        case ProjectNumbers:
            return r.proid;
        case Names:
            return r.name;
        }
        return {};
    case ProjectNumber:
        return r.proid;
    case Name:
        return r.name;
    case Tele:
        return r.tele;
    case Tele2:
        return r.tele2;
    case Area:
        return r.area;
    case Addr:
        return r.addr;
    case DesignDate:
        return designDateText(r.designdate);
    case Price:
        return decimalText(r.price);
    }
    return {};
}

int CustomerListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int CustomerListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Columns;
}

QVariant CustomerListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= int(rows_.size())) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return text(index.row(), index.column());
    }
    if (role == Qt::UserRole) {
        return rows_[std::size_t(index.row())].id;
    }
    return {};
}

QVariant CustomerListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= Columns) {
        return {};
    }
    return captions()[section];
}

QStringList CustomerListModel::captions() {
    return {QStringLiteral("序号"), QStringLiteral("项目编号"), QStringLiteral("用户名"),
            QStringLiteral("电话"), QStringLiteral("手机"),     QStringLiteral("小区"),
            QStringLiteral("地址"), QStringLiteral("设计日期"), QStringLiteral("项目金额")};
}
