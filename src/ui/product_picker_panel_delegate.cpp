#include "ui/product_picker_panel_delegate.h"

#include "design/product_picker.h"

#include <QFontMetrics>
#include <QPainter>

void ProductPickerDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    const QRect cell = option.rect;
    painter->save();
    painter->fillRect(cell, Qt::white);
    const Tpiclist* record = index.column() == 1 ? picker_.record(index.row()) : nullptr;
    if (record) {
        const QImage& picture = record->picture;
        painter->drawImage(cell.left() + (cell.width() - picture.width()) / 2, cell.top() + 2,
                           picture);
        const QFontMetrics metrics(option.font);
        painter->setFont(option.font);
        painter->setPen(Qt::black);
        const int titleWidth = metrics.horizontalAdvance(record->title);
        painter->drawText(cell.left() + (cell.width() - titleWidth) / 2,
                          cell.bottom() + 1 - 16 + metrics.ascent(), record->title);
        if (option.state & QStyle::State_Selected) {
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(cell.adjusted(0, 0, -1, -1));
            // Masking keeps black black and turns white into the kind's colour.
            painter->setCompositionMode(QPainter::RasterOp_SourceAndDestination);
            painter->fillRect(cell, ProductPicker::kindColour(record->kind));
        }
    }
    painter->restore();
}
