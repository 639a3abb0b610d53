#include "design/design_workspace.h"

#include "core/room_canvas.h"
#include "core/troom_obj.h"

namespace workspace {

namespace {

constexpr int StripPanel = 1;

struct TagTool {
    int tag;
    int tool;
};
// The "设计" menu tags and their tools; tag 6 is a second way to the move and swap tool.
constexpr TagTool tagTools[] = {
    {1, DesignFreeFill},   {2, DesignRectangleFill}, {3, DesignBorderFill}, {4, DesignRowFill},
    {5, DesignColumnFill}, {8, DesignReplaceFill},   {7, DesignBrush},      {9, DesignMoveSwap},
    {6, DesignMoveSwap},   {0, DesignViewTool},      {10, DesignDelete},
};

bool isFillTool(int tool) {
    return tool == DesignFreeFill || tool == DesignBrush ||
           (tool >= DesignRectangleFill && tool <= DesignReplaceFill);
}

// The tool a gesture state belongs to.
int toolOfState(const TRoom_OBJ& room) {
    switch (room.tool) {
    case DesignBrushHeld:
        return DesignBrush;
    case DesignRoomOverGrid:
    case DesignPlanDrag:
    case DesignCellDialog:
        return DesignViewTool;
    case DesignSelectionDrag:
        return DesignMoveSwap;
    case DesignDeleteHeld:
        return DesignDelete;
    case DesignRectangleDrag:
        return room.savedTool;
    default:
        return room.tool;
    }
}

} // namespace

std::optional<int> toolOfTag(int tag) {
    for (const TagTool& t : tagTools) {
        if (t.tag == tag) {
            return t.tool;
        }
    }
    return std::nullopt;
}

std::optional<int> pressedTag(const TRoom_OBJ& room) {
    const int tool = toolOfState(room);
    if (tool == DesignFreeFill && !room.rubberBand) {
        return std::nullopt;
    }
    for (const TagTool& t : tagTools) {
        if (t.tool == tool) {
            return t.tag;
        }
    }
    return std::nullopt;
}

bool chooseTool(TRoom_OBJ& room, int tag, CurrentProduct& picker) {
    const std::optional<int> code = toolOfTag(tag);
    if (!code) {
        return false;
    }
    const int tool = *code;
    CurrentProduct& current = room.currentProduct;
    switch (tool) {
    case DesignRectangleFill:
    case DesignRowFill:
    case DesignColumnFill:
    case DesignReplaceFill:
        room.solidFill = true;
        room.rubberBand = true;
        break;
    case DesignBorderFill:
        room.solidFill = false;
        room.rubberBand = true;
        break;
    case DesignFreeFill:
        room.rubberBand = true;
        break;
    case DesignBrush:
        room.rubberBand = false;
        break;
    case DesignMoveSwap:
        current.id = -1;
        current.kind = 0;
        room.showSelectedProduct = true;
        break;
    case DesignViewTool:
        current.id = -1;
        room.lockCanvas = false;
        break;
    case DesignDelete:
        current.id = -1;
        current.kind = 0;
        room.showSelectedProduct = false;
        break;
    default:
        break;
    }
    if (isFillTool(tool)) {
        if (current.id < 0) {
            current.id = picker.id;
            current.kind = picker.kind;
        }
        if (room.roomstyle == StripsAlongColumns && current.id >= 0 && current.kind == StripPanel) {
            picker.orientation = 1; // "90度"
        }
        current.orientation = picker.orientation;
    }
    room.editMode = EditDesign;
    room.setTool(quint8(tool));
    if (room.canvas) {
        if (const std::optional<int> shape =
                toolPointerShape(tool, room.lockCanvas, false, current.id >= 0)) {
            room.canvas->setPointerShape(*shape);
        }
    }
    room.paint();
    return true;
}

QString switchToWalls(TRoom_OBJ& room, bool drawingDown) {
    room.editMode = EditAdjustWalls;
    room.setTool(drawingDown ? ToolDrawWalls : ToolEditWalls);
    room.paint();
    return QStringLiteral("清空墙面");
}

QString switchToDesign(TRoom_OBJ& room, CurrentProduct& picker) {
    room.editMode = EditDesign;
    chooseTool(room, 1, picker);
    room.recount();
    room.paint();
    return QStringLiteral("清空产品");
}

void carrySelection(const TRoom_OBJ* leaving, TRoom_OBJ* entering, CurrentProduct& picker) {
    if (leaving && leaving->currentProduct.id >= 0) {
        picker = leaving->currentProduct;
    }
    if (entering) {
        entering->currentProduct = picker;
    }
}

} // namespace workspace
