#pragma once

#include "core/block_grid.h"
#include "core/current_product.h"
#include "core/menu_model.h"
#include "core/room_creation.h"
#include "core/tdianqi_rec.h"
#include "core/troom_wall.h"
#include "platform/color.h"

#include <QImage>
#include <QPoint>
#include <QRegion>
#include <QString>
#include <QStringList>
#include <QtCore/qnamespace.h>

#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

class QPainterPath;
class QTimer;
class Surface;
struct Ppdu_id;
struct historyrec;
struct tdianqi_rec;
struct tpic_rec;
struct ModeChangeChoice;
class WallDialogs;

// Tool codes of the tool byte.
enum RoomTool : quint8 {
    ToolEditWalls = 0,     // hover shows corners and walls; a press splits or drags
    ToolDrawWalls = 1,     // polygon or rectangle
    ToolMoveRoomArmed = 4, // move room: waiting for a press on a wall
    ToolMoveRoom = 5,      // move room: dragging
    ToolDragCorner = 6,
    ToolDragWall = 7,
    FirstDesignTool = 9,
    LastDesignTool = 26,
};

// Design tool codes of the tool byte; codes 11, 12, 14, 22..24 and 26 are gesture states.
enum DesignTool : quint8 {
    DesignFreeFill = 9,
    DesignBrush = 10,
    DesignBrushHeld = 11,
    DesignRoomOverGrid = 12,
    DesignRectangleDrag = 14,
    DesignRectangleFill = 15,
    DesignBorderFill = 16,
    DesignRowFill = 17,
    DesignColumnFill = 18,
    DesignReplaceFill = 19,
    DesignViewTool = 20,
    DesignMoveSwap = 21,
    DesignPlanDrag = 22,
    DesignCellDialog = 23,
    DesignSelectionDrag = 24,
    DesignDelete = 25,
    DesignDeleteHeld = 26,
};

// Which handler set drives the canvas.
enum EditMode : quint8 { EditSplitWalls = 0, EditAdjustWalls = 1, EditDesign = 2 };

enum RoomMode : qint32 { SquarePanelRoom = 0, StripsAlongColumns = 1, StripsAlongRows = 2 };

// A cell of the ceiling grid, columns and rows 1..1000.
struct GridCell {
    int column = 0;
    int row = 0;
};

// One room of the project: its wall outline, ceiling grid with cell attributes, object
// list, product cache, undo list, room mask and its view on the shared design canvas.
// The state is public so that the tools of every subsystem, the room records and the
// undo history work on it directly; the operations are split by concern over the
// room_*.cpp files of src/core and the design files of src/design.
class TRoom_OBJ {
public:
    static constexpr int GridSide = 1001; // grid entries 0..1000 per axis
    static constexpr int LastCell = 1000;
    static constexpr int MaskSide = 2000;
    static constexpr int NoRectangleStart = -10000;

    // Creation: the room with an empty outline at zoom level 10, an empty grid of
    // columnWidth x rowHeight mm cells, adjust-walls mode and the canvas locked.
    TRoom_OBJ(const RoomContext& context, int columnWidth, int rowHeight, int roomMode,
              bool stripFreeMode);
    ~TRoom_OBJ();
    TRoom_OBJ(const TRoom_OBJ&) = delete;
    TRoom_OBJ& operator=(const TRoom_OBJ&) = delete;

    const QString& getName() const { return title; }
    void setName(const QString& name) { title = name; }
    // Binds the canvas's pointer events and popup to the handlers of the edit mode.
    void setCanvas(RoomCanvas* newCanvas);
    void setTool(quint8 newTool);
    // Tells the main window to refresh its status bar and buttons: the installed
    // hostNotifier, else the canvas's parent.
    void notifyHost();

    // View.
    void zoomIn();
    void zoomOut();
    // A positive wheel value (turned away from the user) zooms out, any other in.
    void wheelTurned(int delta);
    void centreView();
    // Moves the outline to the middle of the plan, then centres the view on it.
    void recentrePlan();
    // Automatic scrolling at a canvas point; true when a scroll region was hit.
    bool scrollCheck(QPoint canvasPoint);
    // One period of the scroll timer: the check at the last pointer point.
    void scrollTimerTick();
    bool scrollTimerActive() const;
    void stopScrollTimer();
    // Keeps the plan's edge within 40 pixels of the canvas edge; centres a plan
    // smaller than the canvas. The wall painter runs it first.
    void limitOrigin();
    // Spacing in cm of the ruler lines at a zoom level.
    static int rulerStepForZoom(int zoomLevel);

    // Grid. Column widths are the entries (c, 0), row heights (0, r), both in mm.
    qint32& cell(int column, int row) { return cells(column, row); }
    qint32 cell(int column, int row) const { return cells(column, row); }
    quint8& cellAttribute(int column, int row) { return cellAttributes(column, row); }
    quint8 cellAttribute(int column, int row) const { return cellAttributes(column, row); }
    qint32 columnWidth(int column) const { return cell(column, 0); }
    qint32 rowHeight(int row) const { return cell(0, row); }
    // The column whose running width sum from column 1 first reaches x * 10 mm (a
    // boundary belongs to the left column); 0 for a negative x or one beyond the grid.
    int columnAt(int planX) const;
    int rowAt(int planY) const;
    std::optional<GridCell> cellOfPoint(QPoint plan) const;
    void computeActiveRange();
    // Replaces the outline by a width x height cm rectangle in the middle of the plan.
    void makeRectangle(int width, int height);

    // Room mask.
    void rebuildMask();
    // Whether the mask was drawn for the outline as it is now: outline changes made
    // without a rebuild (the wall tools make many) leave it showing an older outline.
    bool maskCurrent() const { return maskRevision == wall.revision(); }
    // Brings a mask drawn for the outline `drawnCorners` and `drawnKinds` to the present
    // outline. Only the boxes that the moved walls sweep are drawn again; the whole mask
    // when the corner count differs or either outline has an arc.
    void followOutline(const QList<QPoint>& drawnCorners, const QList<quint8>& drawnKinds);
    // Outside the bitmap counts as outside the room (white).
    TColor maskPixel(int x, int y) const;
    bool insideMask(int x, int y) const { return maskPixel(x, y) != colors::White; }

    // Measures: m² and mm. The outline area is 0 while walls are being drawn.
    double outlineArea(int excluded, bool absolute);
    double roomArea();
    qint64 perimeter() const { return wall.perimeter(); }
    // Every arc apex gets kind 1 when it adds area, 2 when it takes area away.
    void refreshArcKinds();

    // --- Room records (src/core/room_records*.cpp): the byte streams RoomWall (name, mode
    // and outline), RoomKouban (grid sizes and panels) and RoomDianqi (placed objects) of
    // the room's store row. Read a room in this order: readWall, readKouban, readDianqi.
    // A writer empties the stream and writes from its start; false without a stream. A
    // reader is false without a stream, when the stream ends early or its end marker is
    // missing, or when it is corrupt (a length or count negative or from 2^28 on, a size or strip
    // range outside the grid, a room mode without a layout); only the last shows its message
    // through `prompts`. What was read before stays in the room, down to the corners,
    // strip entries and objects read before a stream's early end.

    bool writeWall(QByteArray* stream) const;
    // The name and mode are those given (the row's columns), not the stored ones.
    bool readWall(const QByteArray* stream, const QString& name, int mode);
    // Refreshes the active range first: the cell block covers the rows that the reader
    // computes from the outline. False as well for a room mode without a layout.
    bool writeKouban(QByteArray* stream);
    // The layout of the room's mode; recomputes the active range.
    bool readKouban(const QByteArray* stream);
    bool writeDianqi(QByteArray* stream) const;
    // Appends the objects, unselected; appliances of a square-panel room are snapped to
    // the cell under their top-left corner.
    bool readDianqi(const QByteArray* stream);

    void paint();
    // The text after the program's name in the corner of the canvas.
    static void setWebAddress(const QString& address);
    static QString webAddress();

    // Pointer events of the canvas, routed to the handlers of the bound edit mode.
    void pointerMove(QPoint p, Qt::KeyboardModifiers modifiers);
    void pointerPress(QPoint p, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void pointerRelease(QPoint p, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void pointerDoubleClick(QPoint p, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    // The canvas's popup: the wall or design popup, updated for the point and shown.
    void popupRequested(QPoint at);
    MenuModel& boundPopup();

    // Records one undo step after a completed edit.
    void recordStep();
    // Drops the history and records the room as it is now as its only snapshot: the state
    // that undo comes back to after a room was created, read, copied or imported. Nothing
    // to undo or redo after it.
    void startHistory();

    // --- Undo, redo, flip and rotate (src/core/room_undo*.cpp, room_history.cpp and
    // src/core/room_transform*.cpp).

    // One snapshot back; nothing at the oldest. Sets canUndo and canRedo, notifies the host.
    void undo();
    // One snapshot forward; nothing at the newest.
    void redo();
    // Brings the room back to snapshot `index` (nothing for an index outside the list),
    // then rebuilds the active range and the mask, paints and recounts.
    void restoreStep(int index);
    // Mirror the outline about the middle of its bounds, rebuild the mask and paint. Cells
    // and objects stay where they are; no undo step, the room modified flag is left alone.
    void flipHorizontal();
    void flipVertical();
    // A quarter turn clockwise on the canvas of the whole room: outline, grid sizes,
    // panels, strips (mode 1 becomes 2 and back) and objects; then the grid is re-centred
    // on the plan and one undo step is recorded. A room whose active range was never
    // computed turns its outline only.
    void rotateRoom();

    // --- Wall tools (src/core/wall_tool*.cpp, wall_split*.cpp, wall_popup*.cpp,
    // wall_painter*.cpp) and the room mode change (src/core/room_mode_change*.cpp).

    // The split and room mode dialogs; without them splits and mode changes do nothing.
    WallDialogs* wallDialogs = nullptr;
    // The canvas point moved onto the nearest ruler line, per axis whose flag is set,
    // when it lies within 5 pixels of one.
    QPoint guideLineSnap(QPoint p) const;
    // A right click opens the wall popup in wall editing and while a corner is dragged.
    bool wallPopupOpens() const;
    // Notches corner c by A x B from the corner split dialog, when both of its walls
    // are axis-parallel and perpendicular; then wall editing in adjust mode.
    void splitCorner(int c);
    // Cuts a recess into the wall from the wall split dialog; then adjust mode.
    void splitWall(WallHit hit);
    // Wall popup commands on the hot wall and hot corner at the pointer point.
    void insertCornerOnHotWall();
    void deleteHotCorner();
    void deleteHotWall();
    void toggleHotCornerArc();
    // A window (WindowEnd) or door (DoorEnd) in the hot wall from the pointer's foot,
    // its width asked in cm.
    void insertOpening(quint8 kind);
    // "清空墙面": asks, then empties outline, cells, objects and bill lines; true on yes.
    // In design mode it is the clear design command: the walls stay.
    bool clearWalls();
    // Every cell empty (-1, attribute 0), no objects, no bill lines; the sizes stay.
    void emptyDesign();
    // The room mode and cell size change: from "更改模式" (name and mode only) or from
    // a design double-click with the sizes of the pointer cell.
    enum class ModeChangeEntry { ModeOnly, PointerCell };
    void changeRoomMode(ModeChangeEntry entry);
    // Cell sizes by scope 0 (the pointer cell's column and row), 1 (all) or 2 (every
    // second one through the pointer cell).
    void applyCellSizes(const ModeChangeChoice& choice);
    // The painters of tools 0 and 4..7 (walls) and of tool 1 (the outline being drawn),
    // both over the plan square with its ruler lines.
    void wallPainter(Surface& surface);
    void drawingPainter(Surface& surface);
    void paintPlanBackground(Surface& surface);
    // The steps of the tools at the pointer point.
    void editHover();
    void drawingMove(Qt::KeyboardModifiers modifiers);
    void cornerDragMove(Qt::KeyboardModifiers modifiers);
    void wallDragMove(QPoint unsnapped, Qt::KeyboardModifiers modifiers);
    void moveRoomHover();
    void drawingRelease(QPoint p, Qt::MouseButton button);
    void editPress(QPoint p);
    void buildWallPopup();

    // --- Placement model (src/design/*.cpp): products in the grid and above it, counting.

    // The columns and rows that a product of width x height mm spans from a cell.
    struct CellSpan {
        bool fits = false;
        int columns = 0; // columns c .. c + columns - 1
        int rows = 0;    // rows r .. r + rows - 1
    };
    // Which sizes the unbounded span test compares.
    enum class SpanAxes { Width, Height, Both };
    using PanelPainter = std::function<void(GridCell anchor, const tpic_rec&, CellSpan)>;

    // The product in an orientation from the room's cache, read from the library on first
    // use; null when the library has no such product.
    tpic_rec* productLookup(int id, int orientation);
    // Whether width x height mm covers whole columns and rows from the cell exactly,
    // looking no further than 10 cells past the active range.
    CellSpan spanTest(GridCell cell, int width, int height) const;
    // The same up to the grid's last column and row, comparing only the sizes asked.
    CellSpan spanTestUnbounded(GridCell cell, int width, int height, SpanAxes axes) const;
    // The cell's rectangle in mm; with a size, the block of that size from the cell.
    ObjectBox cellRectangle(GridCell cell) const;
    ObjectBox blockRectangle(GridCell cell, int width, int height) const;
    // The block's rectangle in plan cm (mm / 10, rounded).
    ObjectBox blockPlanRectangle(GridCell cell, int width, int height) const;

    // Lays the current product turned to `orientation` with its anchor at the cell,
    // replacing the panel there; false when the product is unknown or does not fit.
    bool placePanel(GridCell cell, int orientation);
    // Takes out the panel the cell belongs to and subtracts its count.
    bool removePanel(GridCell cell);
    // The value of a covered cell of the panel anchored at `anchor`, and back.
    static qint32 coveredCellValue(GridCell anchor);
    static GridCell coveredCellAnchor(qint32 value);
    // Rewrites the covered cells of every panel, row by row over the active range: the
    // first anchor keeps shared cells, an anchor that does not fit is emptied. `drawPanel`
    // is called for every panel kept.
    void normaliseCoveredCells(const PanelPainter& drawPanel = {});

    // Snaps an appliance to the cell under its top-left corner and marks the panels under
    // it, removing those that reach out of it; false when it does not cover whole cells.
    // Seating's first step: the object's top-left corner moves to the top-left corner of
    // the cell under (x + 1, y + 1), its seat. None (and unmoved) off the grid.
    std::optional<GridCell> snapToSeatCell(tdianqi_rec& object);
    bool seatAppliance(tdianqi_rec& object);
    void reseatAllAppliances();
    // Canvas rectangles that touch or overlap by up to 2 pixels do not overlap.
    static bool applianceOverlap(const ObjectBox& a, const ObjectBox& b);
    // The topmost object whose canvas rectangle holds the point (edges included), or -1.
    int hitTest(QPoint canvasPoint) const;
    // Selects by a click; whether an object was hit. Ctrl toggles; the right button
    // selects nothing.
    bool selectionClick(Qt::MouseButton button, bool ctrl, QPoint canvasPoint);
    void clearSelection();
    // Writes the object's plan and canvas rectangles from its position, its product and
    // the view; the product, or null (rectangles unchanged) when it is unknown.
    const tpic_rec* refreshObjectRectangles(tdianqi_rec& object);

    // Rebuilds the bill lines from the grid and the objects, deletes the objects outside
    // the room and refreshes the statistics list.
    void recount();
    // 1 when the panel anchored at the cell counts, else 0; a panel wholly outside the
    // room is removed.
    int panelContribution(GridCell anchor);
    // Adds the metres of strip of every column (row) to the strip products.
    void stripMeasurement();
    // The run of one column's (row's) strip along it, in plan cm; end <= start when the
    // strip never meets the room.
    struct StripRun {
        int index = 0; // the column (room mode 1) or row (room mode 2)
        qint32 product = -1;
        int start = 0;
        int end = 0;
        // The length the bill counts: nothing for a strip that never meets the room.
        int lengthCm() const { return end > start ? end - start : 0; }
    };
    // The runs of the strips of the active range that overlap the room's bounding box.
    std::vector<StripRun> stripRuns() const;
    void addQuantity(int productId, double amount);
    // Drops the bill lines of quantity 0 and rewrites the statistics list.
    void statisticsRefresh();

    // --- Fill tools (src/design/fill_*.cpp): laying the current product, whole and pattern
    // fills, replacing, deleting and clearing. Each changed operation records one undo step.

    // The point the fill tools work at: the ghost's top-left corner while the ghost is
    // shown, else p.
    QPoint ghostCorner(QPoint p);
    // Lays the current product over dragRectangleStart .. dragRectangleEnd (canvas points).
    void laying();
    // Pattern 0 all, 1/2 odd/even rows, 3/4 odd/even columns, 5/6 chessboards; the product
    // looked up with `orientation` (the picker's).
    void wholeAndPatternFill(int pattern, int orientation);
    // Scope 0 the product at the pointer point, 1 all of its kind, 2 its connected region.
    void replace(int scope);
    // The selected objects and the object under the pointer point, else the panel or strip
    // under it.
    void deleteProduct();
    // Asks, then empties every cell, the objects and the bill lines; true when cleared.
    bool clearDesign();
    // Pointer steps of tools 9, 10, 15..19, 25 and their gesture states 11, 14, 26.
    void fillToolPress(QPoint p, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void fillToolMove(Qt::KeyboardModifiers modifiers);
    void fillToolRelease(QPoint p, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);

    // --- Appliances, floating products and arranging (src/design/object_*.cpp,
    // move_swap_pointer.cpp, swap_*.cpp, floating_arrangement*.cpp, grid_alignment*.cpp).

    // p moved onto the grid lines of its cell where it lies within 4 cm of one (per axis
    // whose snap flag is set); the ghost's top-left corner is taken when asked and shown.
    QPoint snapToGridLines(QPoint p, bool useGhost);
    // Places the current appliance or floating product at the ghost or the drag end.
    void objectPlacement();
    // The move and swap tool (21) and the selection drag (24).
    void moveSwapPress(QPoint p, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void moveSwapDrag();
    void moveSwapDrop();
    // Swaps the hand with the panel or strip at a canvas point.
    void swapAt(QPoint p);
    // "产品方向": tag 0..3 is the new orientation.
    void orientationCommand(int tag);
    // "悬浮产品对齐": tags 0..8.
    void floatingArrangement(int tag);
    // "墙面对齐": tags 1..9; a command from the main window recounts once more.
    void roomToGridAlignment(int tag, bool fromMainWindow);

    // --- Design workspace on the room (src/design/view_tool*.cpp, design_popup*.cpp).

    // The view tool (20) and its gesture states 12, 22 and 23.
    void viewToolPress(QPoint p, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void viewToolMove();
    void viewToolRelease(QPoint p, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    // "选择当前产品": the product under the canvas point of the right click becomes the
    // current product, shown under the pointer.
    void chooseProductUnderPointer(QPoint p);

    // --- Design workspace keys (src/design/design_workspace_delete.cpp).
    // The design popup's entries and enabling for a canvas point, without showing it.
    void prepareDesignPopup(QPoint at);

    // productCache by (id, orientation); the cache owns the items.
    std::unordered_map<quint64, tpic_rec*> productIndex;

    // --- Design rendering (src/design/room_render*.cpp, design_paint*.cpp,
    // design_picture*.cpp): the design on the canvas for tools 9..26 and as a picture.

    enum class RenderTarget { Canvas, Picture };
    // The design part of the canvas frame: content, canvas marks, mask overlay, length
    // labels and, with the view tool, the information box. What changes only with the room
    // or the view is kept between two paints, so a pointer move redraws only the marks and
    // a changed cell only its own area. Returns the part of the frame drawn again.
    QRegion designPaint(Surface& surface);
    // Ceiling background, cells or strips and objects (their canvas and plan rectangles
    // stored); on the canvas also the selection, the dragged rectangle and the ghost.
    void designContent(QImage& target, RenderTarget kind);
    // White outside the outline, the outline black, windows and doors over it; door leaves
    // and swings on the canvas only.
    void roomMaskOverlay(QImage& target, RenderTarget kind);
    // One label per straight wall: "CM" on the canvas, "Cm" on a picture.
    void lengthLabels(QImage& target, RenderTarget kind);
    // The lines of the view tool's box at a canvas point; none outside the room or over
    // no cell and no object.
    std::optional<QStringList> informationLines(QPoint p);
    // Draws the box for a canvas point; the area it covers, empty when there is none.
    QRect informationBox(QImage& target, QPoint p);
    // The design at 1 or 2 pixels per cm with margins, caption and frame; false without an
    // outline. The view and the objects' rectangles are restored afterwards.
    bool designPicture(QImage& picture);
    // "导出设计图": proposes "customer-room" as the file name, asks through `prompts` and
    // writes the design picture as JPEG; false when cancelled or nothing was written.
    bool exportDesignImage(const QString& customerName);
    // Forgets the kept layer and the scaled pictures; the next paint draws afresh.
    void dropRenderCache();

    struct RenderCache;
    struct RenderCacheDeleter {
        void operator()(RenderCache* cache) const;
    };
    std::unique_ptr<RenderCache, RenderCacheDeleter> renderCache;
    // The canvas frame as this room last presented it (its picture's cache key): while the
    // frame still holds it, a paint redraws only what changed.
    qint64 shownFrame = 0;

    // --- State, in the order the room has always kept it.
    bool historySuppressed = false; // recording an undo step does nothing while set
    // The active range: the columns and rows that cover the room plus a margin.
    qint32 firstColumn = 1;
    qint32 firstRow = 1;
    qint32 lastColumn = 1;
    qint32 lastRow = 1;
    // Sums in mm of the widths of columns 1 .. firstColumn - 1 and 1 .. lastColumn;
    // the heights of rows likewise.
    qint32 widthBeforeRange = 0;
    qint32 heightBeforeRange = 0;
    qint32 widthToRangeEnd = 0;
    qint32 heightToRangeEnd = 0;
    qint32 roomstyle = SquarePanelRoom;
    bool roomChanged = false; // set by placements, cleared when an undo step is recorded
    qint32 zoom = 8;          // 2..22, even; 10 is 100 %
    bool fixedLength = false; // wall drawing with a fixed wall length
    qint32 fixedLengthCm = 5;
    RoomCanvas* canvas = nullptr;
    std::unique_ptr<QTimer> scrollTimer; // 50 ms, ticks scrollTimerTick
    bool snapRulerX = true;
    bool snapRulerY = true;
    bool angleSnap = true;
    bool showSelectedProduct = false;
    bool rubberBand = false;
    bool productGhost = false;
    GridCell pointerCell;
    quint8 editMode = EditAdjustWalls;
    CurrentProduct currentProduct;
    QPoint dragRectangleStart;
    QPoint dragRectangleEnd;
    std::vector<std::unique_ptr<Ppdu_id>> billLines;
    RoomStatisticsView* statisticsView = nullptr;
    bool stripFreeMode = false;
    troom_Wall wall;
    QString title;
    // RGB32, one pixel per plan cm: white outside, black inside, red on the outline. It
    // covers only the outline's bounds within the MaskSide² plan, from `maskOrigin`;
    // beyond it everything is outside.
    QImage mask;
    QPoint maskOrigin;
    quint64 maskRevision = 0; // the outline revision the mask was drawn for
    qint32 undoLimit = 20;
    QString hintText;
    quint8 not_Cacl = 0;
    qint32 minimumCoverage = 5; // %
    qint32 undoPosition = 0;
    quint64 editCount = 0;  // grows with every step recorded, undone or redone
    QPoint savedCorner;     // plan position of a corner when a corner split starts
    bool lockCanvas = true; // no automatic scrolling and no scroll markers
    Bounds roomBox;         // written by computeActiveRange
    WallHit hotWall;
    qint32 hotCorner = -1;
    QPoint pointerPoint; // last pointer position in canvas pixels, after snapping
    QPoint dragAnchor;
    quint8 tool = ToolEditWalls;
    quint8 savedTool = ToolEditWalls;
    std::vector<std::unique_ptr<historyrec>> undoList;
    MenuModel wallPopup;
    MenuModel designPopup;
    std::vector<std::unique_ptr<tdianqi_rec>> objects;
    Database* library = nullptr;
    std::vector<std::unique_ptr<tpic_rec>> productCache;
    QPoint rectangleStart{NoRectangleStart, 0}; // of a rectangular room drag
    QPoint pressPoint;                          // of the last press in design mode
    BlockGrid<qint32> cells{GridSide, -1};      // -1: no product
    BlockGrid<quint8> cellAttributes{GridSide, 0};
    bool canRedo = false;
    bool canUndo = false;
    bool roomModified = false; // cleared when the project is saved
    bool solidFill = true;
    qint32 rulerStep = 20; // cm

    Prompts* prompts = nullptr;
    std::function<void()> hostNotifier;

private:
    enum class CanvasRoute { Walls, Design };

    int canvasWidth() const;
    int canvasHeight() const;
    void bindCanvasEvents();
    void changeZoom(int step);
    void startScrollTimer();
    // Scrolls 5 pixels toward a side: -1 left or up, 1 right or down, 0 not on that axis.
    void scrollStep(int horizontal, int vertical);
    // The outline with its arcs, as the mask is filled from it.
    QPainterPath tracedOutline() const;
    // Draws the mask of the present outline within `areas` (the whole mask when empty).
    void drawMask(const QList<QRect>& areas);

    // Paint layers. The tool layer returns the part of the frame it drew again.
    QRegion paintToolLayer(Surface& surface);
    void paintFrame(Surface& surface) const;
    void paintScrollMarkers(Surface& surface) const;
    void paintSignature(Surface& surface) const;

    // Handlers of the wall tools and the design tools.
    void wallPointerMove(QPoint p, Qt::KeyboardModifiers modifiers);
    void wallPointerPress(QPoint p, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void wallPointerRelease(QPoint p, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void wallDoubleClick(QPoint p, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void wallPopupOpening(QPoint at);
    void designPointerMove(QPoint p, Qt::KeyboardModifiers modifiers);
    void designPointerPress(QPoint p, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void designPointerRelease(QPoint p, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void designDoubleClick(QPoint p, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void designPopupOpening(QPoint at);

    CanvasRoute route_ = CanvasRoute::Walls;
};

// A room of the open project with its store id (-1 until first saved).
struct RoomEntry {
    int id = -1;
    std::unique_ptr<TRoom_OBJ> room;
};

// Creates a room for the main window's room list: the room itself, then the project's
// minimum coverage, the name ("新房间" when empty), the rectangular walls when both
// sizes are given, the statistics list, a centred view and the undo limit. The main
// window adds the tab and makes it active.
RoomEntry CreatNewRoom(const RoomContext& context, const NewRoomRequest& request);
