#include "ui/product_picker_panel_delegate.h"

#include "design/product_picker.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

void ProductPickerDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    const QRect cell = option.rect;
    const Tpiclist* record = index.column() == 1 ? picker_.record(index.row()) : nullptr;
    // The grid's own colours (white and black unless a skin says otherwise); a selected
    // product stays white and black, so that masking gives the colour of its kind.
    const bool selected = record && (option.state & QStyle::State_Selected);
    painter->save();
    painter->fillRect(cell, selected ? QColor(Qt::white) : option.palette.color(QPalette::Base));
    if (record) {
        const QImage& picture = record->picture;
        painter->drawImage(cell.left() + (cell.width() - picture.width()) / 2, cell.top() + 2,
                           picture);
        const QFontMetrics metrics(option.font);
        painter->setFont(option.font);
        painter->setPen(selected ? QColor(Qt::black) : option.palette.color(QPalette::Text));
        // A title wider than the cell is cut short with an ellipsis rather than running
        // over the neighbouring cells.
        const QString title =
            metrics.elidedText(record->title, Qt::ElideRight, std::max(0, cell.width() - 4));
        const int titleWidth = metrics.horizontalAdvance(title);
        painter->drawText(cell.left() + (cell.width() - titleWidth) / 2,
                          cell.bottom() + 1 - 16 + metrics.ascent(), title);
        if (selected) {
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(cell.adjusted(0, 0, -1, -1));
            // Masking keeps black black and turns white into the kind's colour.
            painter->setCompositionMode(QPainter::RasterOp_SourceAndDestination);
            painter->fillRect(cell, ProductPicker::kindColour(record->kind));
        }
    }
    painter->restore();
}
