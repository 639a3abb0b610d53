#include "design/design_workspace.h"

#include "core/troom_obj.h"

namespace workspace {

QString toolStatusText(const TRoom_OBJ& room) {
    switch (room.tool) {
    // Wall mode.
    case ToolEditWalls:
        return QStringLiteral("空闲");
    case ToolDrawWalls:
        return QStringLiteral("绘制房间墙面");
    case 3:
        return QStringLiteral("移动显示区域");
    case ToolMoveRoomArmed:
        return QStringLiteral("移动房间");
    case ToolMoveRoom:
        return QStringLiteral("正在移动房间");
    case ToolDragCorner:
        return room.editMode == EditSplitWalls ? QStringLiteral("拆分墙角")
                                               : QStringLiteral("移动墙角");
    case ToolDragWall:
        return QStringLiteral("移动墙面一边");
    // Design mode.
    case DesignFreeFill:
        return QStringLiteral("铺设产品");
    case DesignBrush:
        return QStringLiteral("喷刷填充");
    case DesignRoomOverGrid:
        return room.lockCanvas ? QString() : QStringLiteral("移动墙面");
    case DesignRectangleDrag:
        return QStringLiteral("填充产品");
    case DesignRectangleFill:
        return QStringLiteral("实心矩形区域填充");
    case DesignBorderFill:
        return QStringLiteral("空心矩形区域填充");
    case DesignRowFill:
        return QStringLiteral("水平填充");
    case DesignColumnFill:
        return QStringLiteral("垂直填充");
    case DesignReplaceFill:
        return QStringLiteral("替换/油漆桶");
    case DesignViewTool:
        return QStringLiteral("鼠标工具");
    case DesignMoveSwap:
        return QStringLiteral("移动产品");
    case DesignPlanDrag:
        return QStringLiteral("拖动房间");
    case DesignCellDialog:
        return QStringLiteral("设置栅格");
    case DesignSelectionDrag:
        return QStringLiteral("移动悬浮产品");
    default: // 11 (brush held), 25 and 26 (delete) show nothing
        return {};
    }
}

std::optional<int> toolPointerShape(int tool, bool canvasLocked, bool overWall, bool holding) {
    switch (tool) {
    case DesignFreeFill:
        return 26; // brush
    case DesignBrush:
        return 24; // pen
    case DesignRectangleFill:
        return 21;
    case DesignBorderFill:
        return 20;
    case DesignRowFill:
        return 22;
    case DesignColumnFill:
        return 23;
    case DesignReplaceFill:
        return 25;
    case DesignViewTool:
        return (overWall && !canvasLocked) ? 30 : 29; // move wall, move paper
    case DesignMoveSwap:
        return holding ? 28 : 27; // swap, swap-empty
    case DesignDelete:
    case DesignDeleteHeld:
        return 31;
    default:
        return std::nullopt;
    }
}

} // namespace workspace
