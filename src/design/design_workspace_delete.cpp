#include "design/design_workspace.h"

#include "core/troom_obj.h"

// The design popup's entries for a point, worked out as a right click there would.
void TRoom_OBJ::prepareDesignPopup(QPoint at) {
    designPopupOpening(at);
}

namespace workspace {

bool deleteAtPointer(TRoom_OBJ& room) {
    room.prepareDesignPopup(room.pointerPoint);
    bool deleted = false;
    for (const MenuItem& item : room.designPopup.items) {
        if (item.caption == QStringLiteral("删除产品")) {
            if (item.enabled) {
                room.deleteProduct();
                deleted = true;
            }
            break;
        }
    }
    room.paint();
    return deleted;
}

} // namespace workspace
