#include "core/troom_obj.h"

#include "core/rounding.h"
#include "core/wall_dialogs.h"
#include "library/product_library.h"
#include "platform/prompts.h"

// The room mode and cell size change of the dialog "更改房间模式".

namespace {

// Sets `set(i)` for i, i + 2, ... below 1000 and i - 2, i - 4, ... down to 1.
template <typename Set> void everySecond(int from, Set set) {
    for (int i = from; i < TRoom_OBJ::LastCell; i += 2) {
        set(i);
    }
    for (int i = from - 2; i >= 1; i -= 2) {
        set(i);
    }
}

} // namespace

void TRoom_OBJ::applyCellSizes(const ModeChangeChoice& choice) {
    const int c = pointerCell.column;
    const int r = pointerCell.row;
    switch (choice.scope) {
    case 0:
        if (choice.widthChecked) {
            cell(c, 0) = choice.width;
        }
        if (choice.heightChecked) {
            cell(0, r) = choice.height;
        }
        break;
    case 1:
        // All columns and rows take both sizes, whichever boxes are checked.
        for (int i = 1; i <= LastCell; ++i) {
            cell(i, 0) = choice.width;
            cell(0, i) = choice.height;
        }
        break;
    case 2:
        if (choice.widthChecked) {
            everySecond(c, [this, &choice](int i) { cell(i, 0) = choice.width; });
        }
        if (choice.heightChecked) {
            everySecond(r, [this, &choice](int i) { cell(0, i) = choice.height; });
        }
        break;
    default:
        break;
    }
}

void TRoom_OBJ::changeRoomMode(ModeChangeEntry entry) {
    if (!wallDialogs) {
        return;
    }
    const bool withSizes = entry == ModeChangeEntry::PointerCell;
    const int c = pointerCell.column;
    const int r = pointerCell.row;
    ModeChangeSetup setup;
    setup.name = title;
    setup.roomMode = roomstyle;
    if (withSizes) {
        // Sizes are changed only through a cell of the active range.
        if (c < firstColumn || c > lastColumn || r < firstRow || r > lastRow || c < 1 || r < 1 ||
            c > LastCell || r > LastCell) {
            return;
        }
        setup.sizesEnabled = true;
        setup.width = columnWidth(c);
        setup.height = rowHeight(r);
        setup.widthBoxEnabled = roomstyle != StripsAlongRows;
        setup.heightBoxEnabled = roomstyle != StripsAlongColumns;
    }
    const std::optional<ModeChangeChoice> choice = wallDialogs->askModeChange(setup);
    if (!choice) {
        return;
    }
    if (!choice->name.trimmed().isEmpty()) {
        title = choice->name.trimmed();
    }
    bool changed = false;
    bool applySizes = withSizes;
    if (choice->roomMode != roomstyle) {
        paint();
        if (prompts && prompts->confirm(QStringLiteral("更改房间类型将清空所有产品"))) {
            emptyDesign();
            roomstyle = choice->roomMode;
            changed = true;
        }
    } else if (withSizes) {
        paint();
        if (choice->width == columnWidth(c) && choice->height == rowHeight(r)) {
            return;
        }
        if (!choice->widthChecked && !choice->heightChecked) {
            return;
        }
        if (!prompts || !prompts->confirm(QStringLiteral("更改格子大小将清空选择范围内产品"))) {
            return;
        }
    }
    if (applySizes && (choice->widthChecked || choice->heightChecked)) {
        applyCellSizes(*choice);
        if (roomstyle == SquarePanelRoom) {
            for (const std::unique_ptr<tdianqi_rec>& object : objects) {
                if (object->kind != KindAppliance) {
                    continue;
                }
                if (object->seatColumn >= 1 && object->seatRow >= 1) {
                    const ObjectBox seat = cellRectangle({object->seatColumn, object->seatRow});
                    object->x = rounding::halfEven(seat.left / 10.0);
                    object->y = rounding::halfEven(seat.top / 10.0);
                } else {
                    snapToSeatCell(*object);
                }
            }
        }
        computeActiveRange();
        changed = true;
    }
    rebuildMask();
    recount();
    if (changed) {
        roomModified = true;
        notifyHost();
        recordStep();
        paint();
    }
}
