#pragma once

#include "core/troom_obj.h"
#include "design/scaled_pictures.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

#include <array>
#include <optional>
#include <vector>

class QPainter;

// The pieces of the design drawing, shared by the canvas paint and the design picture.
namespace room_render {

constexpr TColor Ceiling = makeColor(0, 77, 156);    // inside the room and empty cells
constexpr TColor Lines = colors::Grey;               // cell outlines, dragged rectangle
constexpr TColor MaskKey = makeColor(238, 238, 255); // the see-through colour of the mask
constexpr TColor InfoBox = colors::Yellow;

// A rectangle over columns x1 .. x2 - 1 and rows y1 .. y2 - 1, filled when a fill is given
// and outlined on its outermost pixels.
void canvasRectangle(QPainter& p, int x1, int y1, int x2, int y2, const QColor& outline,
                     const std::optional<QColor>& fill);
// The product's picture stretched into the rectangle, its key colour left out when it is
// transparent; made at the resolution of the painter's picture.
void drawProduct(QPainter& p, const QRect& target, const tpic_rec& product,
                 ScaledPictures& pictures);
// A painter on the target with the drawing rules of the canvas: no antialiasing except
// for text.
void preparePainter(QPainter& p);
// The font of the design picture's labels and of the information box.
QFont songTiFont();

// One cell of a square-panel room as the grid draws it: a panel's block at its anchor, an
// empty cell's rectangle, nothing for a covered cell.
struct DrawnCell {
    qint32 value = -1;
    quint8 attribute = 0;
    QRect area; // canvas pixels, one more on the right and bottom; empty when not drawn
    const tpic_rec* panel = nullptr;

    bool operator==(const DrawnCell& other) const {
        return value == other.value && attribute == other.attribute && area == other.area;
    }
};
// The cells of the active range row by row, after the covered cells are normalised; none
// in a strip room.
std::vector<DrawnCell> drawnCells(TRoom_OBJ& room);

// The ceiling background with the cells or strips.
void drawGrid(TRoom_OBJ& room, QImage& target, ScaledPictures& pictures);
// The ceiling background and the cells of a square-panel room within a canvas area: the
// same pixels there as a drawing of the whole grid.
void drawCellsIn(TRoom_OBJ& room, QImage& target, ScaledPictures& pictures,
                 const std::vector<DrawnCell>& cells, const QRect& area);
// The objects in list order, their rectangles stored; within an area, only the objects
// that reach into it, clipped to it.
void drawObjects(TRoom_OBJ& room, QImage& target, ScaledPictures& pictures);
void drawObjectsIn(TRoom_OBJ& room, QImage& target, ScaledPictures& pictures, const QRect& area);

// The canvas-only marks of one frame: selected objects, the dragged rectangle and the
// product ghost.
struct CanvasMarks {
    std::vector<QRect> selections;   // red outlines, each over its left..right - 1
    std::optional<QRect> drag;       // dotted outline through both corners
    const tpic_rec* ghost = nullptr; // with the rectangle it is stretched into
    QRect ghostRect;

    // Where the marks may change pixels.
    std::vector<QRect> areas() const;
};
CanvasMarks collectCanvasMarks(TRoom_OBJ& room);
void drawCanvasMarks(QPainter& p, const CanvasMarks& marks, ScaledPictures& pictures);

// The mask picture laid over the design: white outside the outline, the outline black,
// windows and doors; see-through inside. Its buffers are kept for the next build.
class MaskOverlay {
public:
    // The overlay for a picture of `size` canvas pixels at a device pixel ratio.
    void build(TRoom_OBJ& room, QSize size, qreal ratio, TRoom_OBJ::RenderTarget kind);
    // Lays it over a canvas area of a picture of the same size and ratio.
    void drawOver(QImage& target, const QRect& area) const;

private:
    void floodInside(TRoom_OBJ& room, QSize size);
    void drawOpenings(TRoom_OBJ& room, TRoom_OBJ::RenderTarget kind);

    QImage overlay_; // premultiplied, alpha 0 where the design shows through
};

struct LengthLabel {
    QPoint at; // top-left corner of the text
    QString text;
    QRect box;
};
struct LengthLabels {
    QFont font;
    std::vector<LengthLabel> labels;
};
LengthLabels lengthLabelsFor(TRoom_OBJ& room, QSize size, TRoom_OBJ::RenderTarget kind);
// The labels whose text meets the area.
void drawLengthLabels(QPainter& p, const LengthLabels& labels, const QRect& area);

} // namespace room_render

// What the canvas keeps between two paints, each for the room and view it was drawn for:
// the grid, the grid with the objects (the content), and the finished layer (content, mask
// overlay, labels), all at the frame's resolution. A changed cell or object redraws only
// its areas; a pointer move only the areas of the marks.
struct TRoom_OBJ::RenderCache {
    // An object as drawn: what places it and its canvas rectangle.
    struct DrawnObject {
        std::array<qint64, 5> placed;
        QRect area;
        bool operator==(const DrawnObject&) const = default;
    };

    std::vector<qint64> viewDrawnFor;
    std::vector<qint64> cellsDrawnFor;
    std::vector<room_render::DrawnCell> cells;
    std::vector<DrawnObject> objects;
    QImage grid;
    QImage content;
    QImage layer;
    room_render::MaskOverlay overlay;
    room_render::LengthLabels labels;
    ScaledPictures pictures;
    // Where the marks and the information box of the frame shown last lie.
    std::vector<QRect> marked;
    bool frameComposed = false;
};
