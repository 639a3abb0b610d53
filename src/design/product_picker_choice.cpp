#include "design/product_picker.h"

#include "core/troom_obj.h"
#include "platform/decimal_text.h"

void ProductPicker::forgetSelection() {
    selection_.id = -1;
    selection_.kind = -1;
    texts_ = {};
    if (selectionForgotten) {
        selectionForgotten();
    }
}

const PickerStatusTexts& ProductPicker::chooseRow(int row) {
    texts_.title.clear();
    texts_.size.clear();
    texts_.price.clear();
    selection_.id = -1;
    selectedRow_ = row;
    const Tpiclist* chosen = row > 0 ? record(row) : nullptr;
    if (chosen) {
        texts_.title = chosen->title;
        texts_.size =
            chosen->width + QStringLiteral("mm X ") + chosen->height + QStringLiteral("mm");
        texts_.price = QStringLiteral("价:") + decimalText(chosen->price);
        texts_.status = statusLabel(chosen->status) + kindLabel(chosen->kind);
        selection_.id = chosen->id;
        selection_.kind = chosen->kind;
    }
    return texts_;
}

bool ProductPicker::applyChoice(TRoom_OBJ& room) {
    const Tpiclist* chosen = selectedRow_ > 0 ? record(selectedRow_) : nullptr;
    room.currentProduct.id = selection_.id;
    room.currentProduct.kind = chosen ? chosen->kind : 0;
    if (chosen && chosen->kind == KindStrip) {
        // Strips lie along the room's strip direction: across the columns they are turned.
        if (room.roomstyle == StripsAlongColumns) {
            room.currentProduct.orientation = 1;
            selection_.orientation = 1;
        } else if (room.roomstyle == StripsAlongRows) {
            room.currentProduct.orientation = 0;
            selection_.orientation = 0;
        }
    }
    switch (room.tool) {
    case DesignViewTool:
    case DesignMoveSwap:
    case DesignDelete:
    case DesignDeleteHeld:
        return true;
    default:
        return false;
    }
}

QString ProductPicker::statusLabel(int status) {
    // By status code: normal, discontinued, out of stock.
    static const char* const labels[] = {"正常", "停产", "缺货"};
    if (status < StatusNormal || status > StatusOutOfStock) {
        return {};
    }
    return QString::fromUtf8(labels[status]);
}

QString ProductPicker::kindLabel(int kind) {
    static const char* const labels[] = {" ［方扣板］",   " ［条扣板］", " ［电器］",
                                         " ［悬浮产品］", " ［其他］",   " ［标记］"};
    if (kind < KindSquarePanel || kind > KindMark) {
        return {};
    }
    return QString::fromUtf8(labels[kind]);
}

QColor ProductPicker::kindColour(int kind) {
    static const QColor colours[] = {{166, 237, 255}, {178, 241, 200}, {233, 233, 166},
                                     {246, 212, 245}, {235, 219, 204}, {236, 236, 236}};
    if (kind < KindSquarePanel || kind > KindMark) {
        return Qt::white;
    }
    return colours[kind];
}
