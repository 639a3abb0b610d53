#include "design/design_workspace.h"

#include "core/troom_obj.h"

namespace workspace {

namespace {

constexpr int SquarePanel = 0;
constexpr int StripPanel = 1;

} // namespace

QString areaLabel(double squareMetres) {
    return QStringLiteral("房间面积：") + QString::number(squareMetres, 'f', 2) +
           QStringLiteral("平方米");
}

bool wholeFillEnabled(const TRoom_OBJ& room) {
    const CurrentProduct& current = room.currentProduct;
    if (current.id < 0) {
        return false;
    }
    if (room.roomstyle == SquarePanelRoom) {
        return current.kind == SquarePanel;
    }
    return (room.roomstyle == StripsAlongColumns || room.roomstyle == StripsAlongRows) &&
           current.kind == StripPanel;
}

PatternEnabling patternEnabling(const TRoom_OBJ& room) {
    PatternEnabling enabled{};
    const bool on = wholeFillEnabled(room);
    for (int pattern = 1; pattern <= 6; ++pattern) {
        enabled[pattern] = on;
    }
    // Strips along columns take column patterns only, strips along rows row patterns;
    // neither takes a chessboard.
    if (room.roomstyle == StripsAlongColumns) {
        enabled[1] = enabled[2] = enabled[5] = enabled[6] = false;
    } else if (room.roomstyle == StripsAlongRows) {
        enabled[3] = enabled[4] = enabled[5] = enabled[6] = false;
    }
    return enabled;
}

std::optional<WorkspaceState> refresh(TRoom_OBJ* room, const RefreshInput& input) {
    if (input.loading) {
        return std::nullopt;
    }
    WorkspaceState state;
    state.projectEdited = input.projectEdited;
    state.pickerEntries = input.pickerHasSelection;
    if (!room) {
        return state;
    }
    room->stopScrollTimer();
    state.roomActive = true;
    state.toolText = toolStatusText(*room);
    state.zoomText = QString::number(room->zoom * 10) + u'%';
    state.wallNote = room->hintText;
    state.areaText = areaLabel(room->roomArea());
    state.designMode = room->editMode == EditDesign;

    const bool stripRoom =
        room->roomstyle == StripsAlongColumns || room->roomstyle == StripsAlongRows;
    state.stripFreeMode = {stripRoom, room->stripFreeMode};
    state.showSelected = {state.designMode, room->showSelectedProduct};
    state.snapGuides = {true, room->snapRulerX || room->snapRulerY};
    state.lockCanvas = {true, room->lockCanvas};
    state.snapStraight = {true, room->angleSnap};

    if (!state.projectEdited && room->roomModified) {
        state.projectEdited = true;
    }
    if (state.designMode) {
        state.pressedTag = pressedTag(*room);
        state.clearHint = QStringLiteral("清空产品");
    } else {
        state.clearHint = QStringLiteral("清空墙面");
    }
    state.wholeFill = wholeFillEnabled(*room);
    state.patterns = patternEnabling(*room);
    state.canUndo = room->canUndo;
    state.canRedo = room->canRedo;
    return state;
}

} // namespace workspace
