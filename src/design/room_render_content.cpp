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
    const PixelScale scale(p.device()->devicePixelRatioF());
    const QImage& picture = pictures.scaled(product, scale.toPixels(target).size());
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

QPoint toCanvas(const TRoom_OBJ& room, int xCm, int yCm) {
    return room.wall.planToCanvas({xCm, yCm});
}

QRect panelBlock(const TRoom_OBJ& room, const GridEdges& edges, GridCell anchor,
                 const tpic_rec& product) {
    const ObjectBox plan = edges.planBlock(anchor, product.width, product.height);
    return QRect(toCanvas(room, plan.left, plan.top), toCanvas(room, plan.right, plan.bottom));
}

// Each quotient is rounded on its own, the edge and the size alike.
QRect emptyCell(const TRoom_OBJ& room, const GridEdges& edges, int c, int r) {
    const int left = GridEdges::toCm(edges.columnLeft(c));
    const int top = GridEdges::toCm(edges.rowTop(r));
    return QRect(toCanvas(room, left, top),
                 toCanvas(room, left + GridEdges::toCm(room.columnWidth(c)),
                          top + GridEdges::toCm(room.rowHeight(r))));
}

// The cells row by row: each panel at its anchor and each empty cell (an anchor that no
// longer fits is one now) where it lies.
std::vector<DrawnCell> layoutCells(TRoom_OBJ& room, const GridEdges& edges) {
    struct Kept {
        GridCell anchor;
        const tpic_rec* product;
    };
    std::vector<Kept> kept;
    room.normaliseCoveredCells(
        [&kept](GridCell anchor, const tpic_rec& product, TRoom_OBJ::CellSpan) {
            kept.push_back({anchor, &product});
        });
    std::vector<DrawnCell> drawn;
    drawn.reserve(std::size_t(room.lastColumn - room.firstColumn + 1) *
                  std::size_t(room.lastRow - room.firstRow + 1));
    auto next = kept.cbegin();
    for (int r = room.firstRow; r <= room.lastRow; ++r) {
        for (int c = room.firstColumn; c <= room.lastColumn; ++c) {
            DrawnCell cell{room.cell(c, r), room.cellAttribute(c, r), QRect(), nullptr};
            if (next != kept.cend() && next->anchor.column == c && next->anchor.row == r) {
                cell.panel = next->product;
                cell.area = panelBlock(room, edges, next->anchor, *next->product);
                ++next;
            } else if (cell.value == -1) {
                cell.area = emptyCell(room, edges, c, r);
            }
            drawn.push_back(cell);
        }
    }
    return drawn;
}

// Draws the grid and the objects into a picture whose device pixel ratio sets the
// resolution: positions are canvas pixels, the pictures are made at the physical size.
class ContentPainter {
public:
    ContentPainter(TRoom_OBJ& room, QImage& target, ScaledPictures& pictures)
        : room_(room), target_(target), pictures_(pictures), edges_(room),
          pixels_(target, PixelScale(target)), painter_(&target) {
        preparePainter(painter_);
        painter_.setPen(QPen(toQColor(Lines), 0));
    }

    void drawGrid() {
        // Larger than the canvas whatever the pixel ratio; everything is clipped to the
        // picture.
        const QRect whole = target_.rect();
        switch (room_.roomstyle) {
        case SquarePanelRoom:
            drawCellsIn(layoutCells(room_, edges_), whole);
            break;
        case StripsAlongColumns:
            painter_.fillRect(whole, ceiling_);
            drawStripColumns();
            break;
        case StripsAlongRows:
            painter_.fillRect(whole, ceiling_);
            drawStripRows();
            break;
        default:
            painter_.fillRect(whole, ceiling_);
            break;
        }
    }

    // Everything drawn in the area is drawn again in the same order, clipped to it.
    void drawCellsIn(const std::vector<DrawnCell>& cells, const QRect& area) {
        pixels_.setClip(area);
        painter_.setClipRect(area);
        pixels_.fill(area, ceilingRgb_);
        for (const DrawnCell& cell : cells) {
            if (!cell.area.intersects(area)) {
                continue;
            }
            if (cell.panel) {
                drawPanel(cell.area, *cell.panel);
            } else {
                pixels_.fill(cell.area, ceilingRgb_);
                pixels_.outline(cell.area, linesRgb_);
            }
        }
        painter_.setClipping(false);
        pixels_.setClip(target_.rect());
    }

    void drawObjectsIn(const std::optional<QRect>& area) {
        if (area) {
            painter_.setClipRect(*area);
        }
        for (const std::unique_ptr<tdianqi_rec>& object : room_.objects) {
            const tpic_rec* product = room_.refreshObjectRectangles(*object);
            if (!product) {
                continue;
            }
            const ObjectBox& box = object->canvasRect;
            const QRect target(box.left, box.top, box.right - box.left, box.bottom - box.top);
            if (!area || target.intersects(*area)) {
                drawProduct(painter_, target, *product, pictures_);
            }
        }
    }

private:
    QPoint toTarget(int xCm, int yCm) const { return toCanvas(room_, xCm, yCm); }

    void drawPanel(const QRect& block, const tpic_rec& product) {
        const QRect inside = block.adjusted(1, 1, -1, -1);
        // A copied picture covers the whole inside, so only the outline is needed.
        pixels_.outline(block, linesRgb_);
        if (!copyOpaque(inside, product)) {
            pixels_.fill(inside, ceilingRgb_);
            drawOpaque(inside, product);
        }
    }

    // Whether the product's picture was copied into the area: it is opaque and present.
    bool copyOpaque(const QRect& area, const tpic_rec& product) {
        const QImage& picture =
            pictures_.scaled(product, PixelScale(target_).toPixels(area).size());
        return !picture.isNull() && pixels_.copy(area, picture);
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

std::vector<DrawnCell> drawnCells(TRoom_OBJ& room) {
    if (room.roomstyle != SquarePanelRoom) {
        return {};
    }
    return layoutCells(room, GridEdges(room));
}

void drawGrid(TRoom_OBJ& room, QImage& target, ScaledPictures& pictures) {
    ContentPainter(room, target, pictures).drawGrid();
}

void drawCellsIn(TRoom_OBJ& room, QImage& target, ScaledPictures& pictures,
                 const std::vector<DrawnCell>& cells, const QRect& area) {
    ContentPainter(room, target, pictures).drawCellsIn(cells, area);
}

void drawObjects(TRoom_OBJ& room, QImage& target, ScaledPictures& pictures) {
    ContentPainter(room, target, pictures).drawObjectsIn(std::nullopt);
}

void drawObjectsIn(TRoom_OBJ& room, QImage& target, ScaledPictures& pictures, const QRect& area) {
    ContentPainter(room, target, pictures).drawObjectsIn(area);
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
    pictures.useScale(wall.paperWidth(), target.devicePixelRatio());
    room_render::drawGrid(*this, target, pictures);
    room_render::drawObjects(*this, target, pictures);
    QPainter painter(&target);
    room_render::preparePainter(painter);
    room_render::drawCanvasMarks(painter, room_render::collectCanvasMarks(*this), pictures);
}
