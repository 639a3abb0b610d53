#pragma once

#include <QStyledItemDelegate>

class ProductPicker;

// Draws the picker's grid cells: white, and in the picture column the product's picture
// centred 2 pixels below the top with its title centred 16 pixels above the bottom; a selected
// product is outlined in black and tinted with the colour of its kind.
class ProductPickerDelegate : public QStyledItemDelegate {
public:
    ProductPickerDelegate(const ProductPicker& picker, QObject* parent)
        : QStyledItemDelegate(parent), picker_(picker) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    const ProductPicker& picker_;
};
