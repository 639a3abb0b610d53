#pragma once

#include <QAbstractTableModel>

class ProductManager;

// The product manager's grid as a table model over the manager's rows. The price, status
// and unit columns are edited through the grid's delegate; the model hands each edit to the
// manager.
class ProductGridModel : public QAbstractTableModel {
public:
    enum Column { Number, Picture, Name, Size, Price, Kind, Status, Unit, Info, ColumnCount };
    // The row's picture (a QImage) for the picture column.
    static constexpr int PictureRole = Qt::UserRole;

    ProductGridModel(ProductManager& manager, QObject* parent);

    // The manager's rows changed as a whole (loaded, emptied) or in one row.
    void reset();
    void rowChanged(int row);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    ProductManager& manager_;
};
