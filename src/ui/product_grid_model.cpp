#include "ui/product_grid_model.h"

#include "design/product_picker.h"
#include "library/product_manager.h"

ProductGridModel::ProductGridModel(ProductManager& manager, QObject* parent)
    : QAbstractTableModel(parent), manager_(manager) {}

void ProductGridModel::reset() {
    beginResetModel();
    endResetModel();
}

void ProductGridModel::rowChanged(int row) {
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

int ProductGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : manager_.rowCount();
}

int ProductGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ProductGridModel::data(const QModelIndex& index, int role) const {
    const Tpicbit* bit = manager_.row(index.row());
    if (!bit) {
        return {};
    }
    if (role == PictureRole && index.column() == Picture) {
        return bit->picture;
    }
    if (role == Qt::ToolTipRole && index.column() == Info) {
        return bit->infoUrl;
    }
    if (role == Qt::EditRole) {
        switch (index.column()) {
        case Price:
            return bit->priceEditor;
        case Status:
            return bit->statusBox;
        case Unit:
            return bit->unitEditor;
        default:
            return {};
        }
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    switch (index.column()) {
    case Number:
        return index.row() + 1;
    case Name:
        return bit->title;
    case Size:
        return bit->widthText + QStringLiteral(" X ") + bit->heightText;
    case Price:
        return QString::number(bit->priceEditor, 'f', 2);
    case Kind:
        return ProductManager::kindLabel(bit->kind);
    case Status:
        return ProductPicker::statusLabel(bit->statusBox);
    case Unit:
        return bit->unitEditor;
    case Info:
        return bit->infoUrl.isEmpty() ? QStringLiteral("-") : QStringLiteral("详细");
    default:
        return {};
    }
}

bool ProductGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !manager_.row(index.row())) {
        return false;
    }
    switch (index.column()) {
    case Price:
        manager_.setPrice(index.row(), value.toDouble());
        break;
    case Status:
        manager_.setStatusBox(index.row(), value.toInt());
        break;
    case Unit:
        manager_.setUnit(index.row(), value.toString());
        break;
    default:
        return false;
    }
    rowChanged(index.row());
    return true;
}

Qt::ItemFlags ProductGridModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const int column = index.column();
    if (manager_.row(index.row()) && (column == Price || column == Status || column == Unit)) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

QVariant ProductGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const char* const captions[] = {"序号",     "产品图像", "名称", "规格",    "价格",
                                           "产品类型", "状态",     "单位", "产品信息"};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ColumnCount) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    return QString::fromUtf8(captions[section]);
}
