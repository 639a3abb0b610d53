#pragma once

#include "core/current_product.h"

#include <QPoint>
#include <QString>
#include <QtCore/qnamespace.h>

#include <array>
#include <optional>

class TRoom_OBJ;

// The design workspace of the main window without its widgets: which tool a button
// chooses and what choosing it does to the room, what the status bar, buttons, options
// and menus show for the active room, and what the keys and the wheel do. The window
// applies the results to its widgets.
namespace workspace {

// --- Status texts and pointer shapes.

// The status bar text of the room's tool byte, wall-mode codes included; empty for the
// codes that show nothing.
QString toolStatusText(const TRoom_OBJ& room);
// The pointer shape a design tool shows; none for the gesture states that keep the shape
// their tool set. `overWall` is for the view tool, `holding` for the move and swap tool.
std::optional<int> toolPointerShape(int tool, bool canvasLocked, bool overWall, bool holding);

// --- Choosing a tool.

// The tool code of a "设计" menu tag (0..10); none for an unknown tag.
std::optional<int> toolOfTag(int tag);
// The tag whose button shows the tool or the gesture state in progress as pressed; none
// when no design button stands for it (free fill while the rubber band is off).
std::optional<int> pressedTag(const TRoom_OBJ& room);
// Chooses the design tool of a menu tag with its effects on the room (solid flag, rubber
// band, current product, orientation, shown product, canvas lock), puts the room into
// design mode, sets the tool and paints. The strip rule may turn the picker's
// orientation. False for an unknown tag.
bool chooseTool(TRoom_OBJ& room, int tag, CurrentProduct& picker);
// "房间": wall mode, drawing when the wall-drawing button is down, else wall editing.
// "设计": design mode with the free fill tool, recounted. Both paint. The text the clear
// button shows afterwards is returned.
QString switchToWalls(TRoom_OBJ& room, bool drawingDown);
QString switchToDesign(TRoom_OBJ& room, CurrentProduct& picker);
// The room tab change: the leaving room's current product (when there is one) becomes
// the picker selection, then the entering room takes the selection.
void carrySelection(const TRoom_OBJ* leaving, TRoom_OBJ* entering, CurrentProduct& picker);

// --- The workspace refresh.

struct RefreshInput {
    bool loading = false;            // a project is being loaded: nothing changes
    bool projectEdited = false;      // before this refresh
    bool pickerHasSelection = false; // a product is selected in the picker
};

struct OptionState {
    bool enabled = false;
    bool checked = false;
};

// Pattern entries by pattern number 1..6 (index 0 unused).
using PatternEnabling = std::array<bool, 7>;

struct WorkspaceState {
    bool roomActive = false;
    QString toolText; // status panel 5
    QString zoomText; // status panel 6
    QString wallNote; // status panel 7
    QString areaText; // the label beside the statistics list
    bool designMode = false;
    // "房间" down unless design mode, "设计" down in design mode; wall buttons visible in
    // wall mode, design buttons in design mode.
    std::optional<int> pressedTag; // design mode: the tool's button
    QString clearHint;             // "清空墙面" or "清空产品"
    OptionState stripFreeMode;     // "条扣自由模式"
    OptionState showSelected;      // "显示选中的产品"
    OptionState snapGuides;        // "贴齐辅助线"
    OptionState lockCanvas;        // "锁定画布"
    OptionState snapStraight;      // "贴齐直线"
    bool projectEdited = false;
    bool wholeFill = false;     // "全部填充", the drop-down's "全部" and the picker's
    PatternEnabling patterns{}; // the six pattern entries in the three places
    bool pickerEntries = false; // picker popup: "产品方向", "修改价格", "直接加入统计表"
    bool canUndo = false;
    bool canRedo = false;
};

// The state the window shows for the active room (none: the customer page). Stops the
// room's scroll timer. Nothing when loading: the result is empty and `roomActive` false.
std::optional<WorkspaceState> refresh(TRoom_OBJ* room, const RefreshInput& input);
// The area label text for m².
QString areaLabel(double squareMetres);
// Whole and pattern fill enabling for the room's current product.
bool wholeFillEnabled(const TRoom_OBJ& room);
PatternEnabling patternEnabling(const TRoom_OBJ& room);

// --- Keys and wheel.

enum class InputType { KeyPress, KeyRelease, Wheel, Other };

struct InputEvent {
    InputType type = InputType::Other;
    int key = 0; // Qt::Key
    Qt::KeyboardModifiers modifiers;
    bool mainWindowActive = false;
    bool roomActive = false;
    bool overCanvas = false; // the innermost visible widget under the pointer is the canvas
};

enum class InputAction { None, DeleteAtPointer, Undo, Redo, Zoom };

struct InputDecision {
    bool handled = false; // goes no further
    InputAction action = InputAction::None;
};

// The application-wide decision. `ctrlHeld` is the Ctrl flag kept between events.
InputDecision decideInput(const InputEvent& event, bool& ctrlHeld);
// The Delete key: the design popup opened at the pointer point; when "删除产品" ends up
// enabled the product there is deleted. Paints either way; true when something was
// deleted.
bool deleteAtPointer(TRoom_OBJ& room);

} // namespace workspace
