#include "design/room_render.h"

#include "core/tpic_rec.h"
#include "design/grid_edges.h"
#include "design/room_render_pixels.h"
#include "library/product_library.h"

#include <QPainter>

#include <algorithm>

namespace room_render {

void canvasRectangle(QPainter& p, int x1, int y1, int x2, int y2, const QColor& outline,
                     const std::optional<QColor>& fill) {
    const int w = x2 - x1;
    const int h = y2 - y1;
    if (w <= 0 || h <= 0) {
        return;
    }
    if (fill) {
        p.fillRect(x1, y1, w, h, *fill);
    }
    p.fillRect(x1, y1, w, 1, outline);
    p.fillRect(x1, y2 - 1, w, 1, outline);
    p.fillRect(x1, y1, 1, h, outline);
    p.fillRect(x2 - 1, y1, 1, h, outline);
}

void drawProduct(QPainter& p, const QRect& target, const tpic_rec& product,
                 ScaledPictures& pictures) {
    const QImage& picture = pictures.scaled(product, target.size());
    if (!picture.isNull()) {
        p.drawImage(target.topLeft(), picture);
    }
}

void preparePainter(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
}

QFont songTiFont() {
    return QFont(QStringLiteral("宋体"), 9);
}

namespace {

class ContentPainter {
public:
    ContentPainter(TRoom_OBJ& room, QImage& target, ScaledPictures& pictures)
        : room_(room), target_(target), pictures_(pictures), edges_(room), pixels_(target),
          painter_(&target) {
        preparePainter(painter_);
        painter_.setPen(QPen(toQColor(Lines), 0));
    }

    void drawGrid() {
        painter_.fillRect(target_.rect(), ceiling_);
        switch (room_.roomstyle) {
        case SquarePanelRoom:
            drawCells();
            break;
        case StripsAlongColumns:
            drawStripColumns();
            break;
        case StripsAlongRows:
            drawStripRows();
            break;
        default:
            break;
        }
    }

    void drawObjects() {
        for (const std::unique_ptr<tdianqi_rec>& object : room_.objects) {
            const tpic_rec* product = room_.refreshObjectRectangles(*object);
            if (!product) {
                continue;
            }
            const ObjectBox& box = object->canvasRect;
            drawProduct(painter_,
                        QRect(box.left, box.top, box.right - box.left, box.bottom - box.top),
                        *product, pictures_);
        }
    }

private:
    QPoint toTarget(int xCm, int yCm) const { return room_.wall.planToCanvas({xCm, yCm}); }

    struct KeptPanel {
        GridCell anchor;
        const tpic_rec* product;
    };

    // Normalisation decides which panels stay; the cells are then drawn row by row, each
    // panel at its anchor and each empty cell (an anchor that no longer fits is one now)
    // where it lies.
    void drawCells() {
        std::vector<KeptPanel> kept;
        room_.normaliseCoveredCells(
            [&kept](GridCell anchor, const tpic_rec& product, TRoom_OBJ::CellSpan) {
                kept.push_back({anchor, &product});
            });
        auto next = kept.cbegin();
        for (int r = room_.firstRow; r <= room_.lastRow; ++r) {
            for (int c = room_.firstColumn; c <= room_.lastColumn; ++c) {
                if (next != kept.cend() && next->anchor.column == c && next->anchor.row == r) {
                    drawPanel(next->anchor, *next->product);
                    ++next;
                } else if (room_.cell(c, r) == -1) {
                    drawEmptyCell(c, r);
                }
            }
        }
    }

    void drawPanel(GridCell anchor, const tpic_rec& product) {
        const ObjectBox plan = edges_.planBlock(anchor, product.width, product.height);
        const QRect block(toTarget(plan.left, plan.top), toTarget(plan.right, plan.bottom));
        const QRect inside = block.adjusted(1, 1, -1, -1);
        // A copied picture covers the whole inside, so only the outline is needed.
        pixels_.outline(block, linesRgb_);
        if (!copyOpaque(inside, product)) {
            pixels_.fill(inside, ceilingRgb_);
            drawOpaque(inside, product);
        }
    }

    // Each quotient is rounded on its own, the edge and the size alike.
    void drawEmptyCell(int c, int r) {
        const int left = GridEdges::toCm(edges_.columnLeft(c));
        const int top = GridEdges::toCm(edges_.rowTop(r));
        const QPoint topLeft = toTarget(left, top);
        const QPoint bottomRight = toTarget(left + GridEdges::toCm(room_.columnWidth(c)),
                                            top + GridEdges::toCm(room_.rowHeight(r)));
        cellRectangle(QRect(topLeft, bottomRight));
    }

    // Grey on the outermost pixels, dark blue inside, covering both corners.
    void cellRectangle(const QRect& area) {
        pixels_.fill(area, ceilingRgb_);
        pixels_.outline(area, linesRgb_);
    }

    // Whether the product's picture was copied into the area: it is opaque and present.
    bool copyOpaque(const QRect& area, const tpic_rec& product) {
        const QImage& picture = pictures_.scaled(product, area.size());
        return !picture.isNull() && pixels_.copy(area.topLeft(), picture);
    }

    // Panels and strips: opaque pictures are copied, the others painted.
    void drawOpaque(const QRect& area, const tpic_rec& product) {
        if (!copyOpaque(area, product)) {
            drawProduct(painter_, area, product, pictures_);
        }
    }

    // The strip entry of a column or row: a product id or -1; anything else is emptied.
    const tpic_rec* stripProduct(qint32& entry, int orientation) {
        if (entry < 0) {
            entry = -1;
            return nullptr;
        }
        return room_.productLookup(entry, orientation);
    }

    // Grid lines run to the far edge of the plan's pixels or of the target, whichever is
    // further, so a tall design picture keeps its lines to the bottom.
    int lineEnd(int targetExtent) const { return std::max(TRoom_OBJ::MaskSide, targetExtent); }

    void drawStripColumns() {
        const qint64 top = edges_.rowTop(room_.firstRow);
        const qint64 bottom = edges_.rowTop(room_.lastRow + 1);
        const int topCm = GridEdges::toCm(top);
        for (int c = room_.firstColumn; c <= room_.lastColumn; ++c) {
            const qint64 left = edges_.columnLeft(c);
            const QPoint start = toTarget(GridEdges::toCm(left), topCm);
            painter_.drawLine(start, QPoint(start.x(), lineEnd(target_.height())));
            const tpic_rec* strip = stripProduct(room_.cell(c, 1), 1);
            if (!strip || strip->width != room_.columnWidth(c) || strip->height <= 0) {
                continue;
            }
            const int right = toTarget(GridEdges::toCm(left + room_.columnWidth(c)), 0).x();
            for (qint64 y = top; y < bottom; y += strip->height) {
                const int copyTop = toTarget(0, GridEdges::toCm(y)).y();
                const int copyBottom = toTarget(0, GridEdges::toCm(y + strip->height)).y();
                drawOpaque(
                    QRect(start.x() + 1, copyTop, right - start.x() - 1, copyBottom - copyTop),
                    *strip);
            }
        }
    }

    void drawStripRows() {
        const qint64 left = edges_.columnLeft(room_.firstColumn);
        const qint64 right = edges_.columnLeft(room_.lastColumn + 1);
        const int leftCm = GridEdges::toCm(left);
        for (int r = room_.firstRow; r <= room_.lastRow; ++r) {
            const qint64 top = edges_.rowTop(r);
            const QPoint start = toTarget(leftCm, GridEdges::toCm(top));
            painter_.drawLine(start, QPoint(lineEnd(target_.width()), start.y()));
            const tpic_rec* strip = stripProduct(room_.cell(1, r), 0);
            if (!strip || strip->height != room_.rowHeight(r) || strip->width <= 0) {
                continue;
            }
            const int bottom = toTarget(0, GridEdges::toCm(top + room_.rowHeight(r))).y();
            for (qint64 x = left; x < right; x += strip->width) {
                const int copyLeft = toTarget(GridEdges::toCm(x), 0).x();
                const int copyRight = toTarget(GridEdges::toCm(x + strip->width), 0).x();
                drawOpaque(
                    QRect(copyLeft, start.y() + 1, copyRight - copyLeft, bottom - start.y() - 1),
                    *strip);
            }
        }
    }

    TRoom_OBJ& room_;
    QImage& target_;
    ScaledPictures& pictures_;
    const GridEdges edges_;
    PixelWriter pixels_; // before the painter, which then draws into the same pixels
    QPainter painter_;
    const QColor ceiling_ = toQColor(Ceiling);
    const QRgb ceilingRgb_ = toQRgb(Ceiling);
    const QRgb linesRgb_ = toQRgb(Lines);
};

} // namespace

void drawGrid(TRoom_OBJ& room, QImage& target, ScaledPictures& pictures) {
    ContentPainter(room, target, pictures).drawGrid();
}

void drawObjects(TRoom_OBJ& room, QImage& target, ScaledPictures& pictures) {
    ContentPainter(room, target, pictures).drawObjects();
}

} // namespace room_render

void TRoom_OBJ::designContent(QImage& target, RenderTarget kind) {
    if (kind == RenderTarget::Picture) {
        ScaledPictures pictures;
        room_render::drawGrid(*this, target, pictures);
        room_render::drawObjects(*this, target, pictures);
        return;
    }
    if (!renderCache) {
        renderCache.reset(new RenderCache);
    }
    ScaledPictures& pictures = renderCache->pictures;
    pictures.useScale(wall.paperWidth());
    room_render::drawGrid(*this, target, pictures);
    room_render::drawObjects(*this, target, pictures);
    QPainter painter(&target);
    room_render::preparePainter(painter);
    room_render::drawCanvasMarks(painter, room_render::collectCanvasMarks(*this), pictures);
}
