#pragma once

#include <QStyledItemDelegate>

#include <functional>

// Draws the product manager's grid and edits its cells: the picture centred 10 pixels below
// the cell's top, the price, status and unit drawn as their editors and edited by one editor
// at a time (a decimal text field 55 pixels wide that takes up to two decimals, a status box
// and a unit field 50 pixels wide), and the "详细" button of a product with an information address.
// Selected rows are drawn on a light grey, the others on white.
class ProductGridDelegate : public QStyledItemDelegate {
public:
    explicit ProductGridDelegate(QObject* parent);

    // "详细" was clicked: the row's address.
    std::function<void(const QString& address)> openInformation;

    // Where a column's editor or button sits in its cell: centred, 2 pixels lower.
    static QRect controlRect(int column, const QRect& cell);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

private:
    void commitNow(QWidget* editor) const;
};
