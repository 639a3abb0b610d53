#include "core/historyrec.h"
#include "core/troom_obj.h"

#include <algorithm>

void TRoom_OBJ::recordStep() {
    if (historySuppressed) {
        return;
    }
    try {
        // A new step ends the redo tail; then the oldest steps go while more than the
        // limit would stay behind the new one. (Dropping the tail first also when the
        // list is full keeps a redo step from landing behind the new one.)
        const std::size_t kept = std::size_t(std::max(undoPosition + 1, 0));
        if (undoList.size() > kept) {
            undoList.resize(kept);
        }
        const std::size_t behind = std::size_t(std::max(undoLimit, 0));
        if (undoList.size() > behind) {
            undoList.erase(undoList.begin(), undoList.end() - std::ptrdiff_t(behind));
        }
        undoList.push_back(historyrec::capture(*this));
        undoPosition = int(undoList.size()) - 1;
        ++editCount;
        roomChanged = false;
        canRedo = false;
        canUndo = undoPosition > 0;
        notifyHost();
    } catch (...) {
        // A step that cannot be kept (out of memory) leaves the history as it got.
    }
}

void TRoom_OBJ::startHistory() {
    undoList.clear();
    undoPosition = -1;
    canUndo = false;
    canRedo = false;
    recordStep();
}

void TRoom_OBJ::undo() {
    if (undoPosition <= 0 || undoList.empty()) {
        return;
    }
    restoreStep(std::min(undoPosition, int(undoList.size())) - 1);
    canUndo = undoPosition > 0;
    canRedo = true;
    notifyHost();
}

void TRoom_OBJ::redo() {
    if (undoPosition >= int(undoList.size()) - 1) {
        return;
    }
    restoreStep(std::max(undoPosition, -1) + 1);
    canRedo = undoPosition < int(undoList.size()) - 1;
    canUndo = true;
    notifyHost();
}

void TRoom_OBJ::restoreStep(int index) {
    if (index < 0 || index >= int(undoList.size())) {
        return;
    }
    undoPosition = index;
    ++editCount;
    const historyrec& step = *undoList[std::size_t(index)];
    // The mask is drawn from the outline alone. When it shows the outline the room has
    // now, only what the snapshot's outline changes is drawn again (most design steps
    // change nothing); the wall tools change the outline without drawing the mask, and
    // after them it is drawn whole.
    const bool maskWasCurrent = maskCurrent();
    const QList<QPoint> drawnCorners = wall.corners();
    const QList<quint8> drawnKinds = wall.kinds();
    step.restoreInto(*this);
    computeActiveRange();
    if (maskWasCurrent) {
        followOutline(drawnCorners, drawnKinds);
    } else {
        rebuildMask();
    }
    paint();
    recount(); // refreshes the statistics list as well
    notifyHost();
}
