#pragma once

#include "core/troom_obj.h"
#include "design/scaled_pictures.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

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
// transparent.
void drawProduct(QPainter& p, const QRect& target, const tpic_rec& product,
                 ScaledPictures& pictures);
// A painter on the target with the drawing rules of the canvas: no antialiasing except
// for text.
void preparePainter(QPainter& p);
// The font of the design picture's labels and of the information box.
QFont songTiFont();

// The ceiling background with the cells or strips.
void drawGrid(TRoom_OBJ& room, QImage& target, ScaledPictures& pictures);
// The objects in list order, their rectangles stored.
void drawObjects(TRoom_OBJ& room, QImage& target, ScaledPictures& pictures);

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
    void build(TRoom_OBJ& room, QSize size, TRoom_OBJ::RenderTarget kind);
    void drawOver(QPainter& p, const QRect& area) const;

private:
    void floodInside(TRoom_OBJ& room);
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
// overlay, labels). Moving an object redraws the content from the kept grid.
struct TRoom_OBJ::RenderCache {
    std::vector<qint64> gridDrawnFor;
    std::vector<qint64> objectsDrawnFor;
    QImage grid;
    QImage content;
    QImage layer;
    room_render::MaskOverlay overlay;
    room_render::LengthLabels labels;
    ScaledPictures pictures;
};
