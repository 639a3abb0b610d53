#include "design/room_render.h"

#include "core/tpic_rec.h"
#include "design/room_render_pixels.h"
#include "platform/surface.h"

#include <QPainter>

namespace {

using room_render::DrawnCell;
using DrawnObject = TRoom_OBJ::RenderCache::DrawnObject;

// Everything the kept layers depend on but the cells and the objects: the target, its
// resolution and view, the outline, the grid sizes, the active range, the product cache
// and the room mask. Two frames with the same list have the same background, mask
// overlay and labels.
std::vector<qint64> viewInputs(const TRoom_OBJ& room, QSize size, qreal ratio) {
    std::vector<qint64> in;
    const troom_Wall& wall = room.wall;
    in.insert(in.end(), {size.width(), size.height(), qRound64(ratio * 1000), wall.paperWidth(),
                         wall.getOrigin().x(), wall.getOrigin().y(), room.roomstyle,
                         room.firstColumn, room.firstRow, room.lastColumn, room.lastRow,
                         room.mask.cacheKey(), wall.pointCount()});
    for (int i = 0; i < wall.pointCount(); ++i) {
        in.insert(in.end(), {wall.corner(i).x(), wall.corner(i).y(), wall.kind(i)});
    }
    // Sizes up to ten cells past the range: a panel's span looks that far.
    const int lastColumn = std::min(room.lastColumn + 10, int(TRoom_OBJ::LastCell));
    const int lastRow = std::min(room.lastRow + 10, int(TRoom_OBJ::LastCell));
    for (int c = 1; c <= lastColumn; ++c) {
        in.push_back(room.columnWidth(c));
    }
    for (int r = 1; r <= lastRow; ++r) {
        in.push_back(room.rowHeight(r));
    }
    for (const std::unique_ptr<tpic_rec>& product : room.productCache) {
        in.insert(in.end(), {product->id, product->orientation, product->picture.cacheKey()});
    }
    return in;
}

// The cells of the active range before they are normalised, and the strip entries.
std::vector<qint64> cellInputs(const TRoom_OBJ& room) {
    std::vector<qint64> in;
    in.reserve(std::size_t(room.lastColumn - room.firstColumn + 1) *
               std::size_t(room.lastRow - room.firstRow + 1));
    for (int r = room.firstRow; r <= room.lastRow; ++r) {
        for (int c = room.firstColumn; c <= room.lastColumn; ++c) {
            in.push_back((qint64(room.cell(c, r)) << 8) | room.cellAttribute(c, r));
        }
    }
    if (room.roomstyle == StripsAlongColumns) {
        for (int c = room.firstColumn; c <= room.lastColumn; ++c) {
            in.push_back(room.cell(c, 1));
        }
    } else if (room.roomstyle == StripsAlongRows) {
        for (int r = room.firstRow; r <= room.lastRow; ++r) {
            in.push_back(room.cell(1, r));
        }
    }
    return in;
}

// The objects as they are drawn (their selection is a mark), with their rectangles.
std::vector<DrawnObject> drawnObjects(TRoom_OBJ& room) {
    std::vector<DrawnObject> drawn;
    for (const std::unique_ptr<tdianqi_rec>& object : room.objects) {
        DrawnObject item{{object->id, object->orientation, object->x, object->y, object->kind},
                         QRect()};
        if (room.refreshObjectRectangles(*object)) {
            const ObjectBox& box = object->canvasRect;
            item.area = QRect(box.left, box.top, box.right - box.left, box.bottom - box.top);
        }
        drawn.push_back(item);
    }
    return drawn;
}

// Adds the areas of the items that differ between two lists, both where an item was and
// where it is.
template <typename Item>
void addChanged(QRegion& region, const std::vector<Item>& before, const std::vector<Item>& now,
                const PixelScale& scale) {
    const std::size_t common = std::min(before.size(), now.size());
    for (std::size_t i = 0; i < common; ++i) {
        if (!(before[i] == now[i])) {
            region += scale.aligned(before[i].area);
            region += scale.aligned(now[i].area);
        }
    }
    for (std::size_t i = common; i < before.size(); ++i) {
        region += scale.aligned(before[i].area);
    }
    for (std::size_t i = common; i < now.size(); ++i) {
        region += scale.aligned(now[i].area);
    }
}

void reuse(QImage& image, const QImage& frame) {
    if (image.size() != frame.size() || image.format() != frame.format()) {
        image = QImage(frame.size(), frame.format());
    }
    image.setDevicePixelRatio(frame.devicePixelRatio());
}

} // namespace

void TRoom_OBJ::RenderCacheDeleter::operator()(RenderCache* cache) const {
    delete cache;
}

void TRoom_OBJ::dropRenderCache() {
    renderCache.reset();
}

QRegion TRoom_OBJ::designPaint(Surface& surface) {
    using namespace room_render;
    // Whether the frame still shows what this room composed last, before anything is
    // written to it.
    const bool frameKept =
        renderCache && renderCache->frameComposed && surface.image().cacheKey() == shownFrame;
    QImage& frame = surface.pixels();
    const QRect whole(0, 0, surface.width(), surface.height());
    if (wall.pointCount() <= 2) {
        frame.fill(toQRgb(colors::White));
        productGhost = showSelectedProduct && currentProduct.id != -1;
        if (renderCache) {
            renderCache->frameComposed = false;
        }
        return whole;
    }
    if (!renderCache) {
        renderCache.reset(new RenderCache);
    }
    RenderCache& kept = *renderCache;
    const PixelScale scale(frame);
    kept.pictures.useScale(wall.paperWidth(), scale.ratio());
    // Larger than the canvas at any ratio; every copy is clipped to the pictures.
    const QRect everywhere = frame.rect();

    // The grid: drawn whole for a new view, else again where its cells changed.
    QRegion changed;
    bool everythingChanged = false;
    const bool newView =
        kept.viewDrawnFor != viewInputs(*this, whole.size(), scale.ratio()) || !scale.aligns();
    if (newView || kept.cellsDrawnFor != cellInputs(*this)) {
        // Laying out the cells normalises the grid and drawing fills the product cache, so
        // the inputs are taken afterwards.
        std::vector<DrawnCell> now = drawnCells(*this);
        if (newView) {
            reuse(kept.grid, frame);
            reuse(kept.content, frame);
            reuse(kept.layer, frame);
            everythingChanged = true;
        } else if (roomstyle == SquarePanelRoom) {
            addChanged(changed, kept.cells, now, scale);
        } else {
            everythingChanged = true;
        }
        if (everythingChanged) {
            changed = everywhere;
        }
        if (roomstyle == SquarePanelRoom) {
            for (const QRect& area : changed) {
                drawCellsIn(*this, kept.grid, kept.pictures, now, area);
            }
        } else {
            drawGrid(*this, kept.grid, kept.pictures);
        }
        kept.cells = std::move(now);
        if (newView) {
            kept.overlay.build(*this, whole.size(), scale.ratio(), RenderTarget::Canvas);
            kept.labels = lengthLabelsFor(*this, whole.size(), RenderTarget::Canvas);
        }
        kept.cellsDrawnFor = cellInputs(*this);
    }

    // The objects over the grid, and the mask overlay and labels over them.
    std::vector<DrawnObject> objects = drawnObjects(*this);
    if (!everythingChanged) {
        addChanged(changed, kept.objects, objects, scale);
    }
    kept.objects = std::move(objects);
    for (const QRect& area : changed) {
        copyPixels(kept.grid, kept.content, area);
        drawObjectsIn(*this, kept.content, kept.pictures, area);
        copyPixels(kept.content, kept.layer, area);
        kept.overlay.drawOver(kept.layer, area);
        QPainter p(&kept.layer);
        preparePainter(p);
        p.setClipRect(area);
        drawLengthLabels(p, kept.labels, area);
    }

    // The frame: the layer where it changed and where the marks of the last frame were;
    // where marks lie now, the content with the marks under the mask and the labels.
    QRegion drawn = frameKept ? changed : QRegion(everywhere);
    for (const QRect& area : kept.marked) {
        drawn += area;
    }
    const CanvasMarks marks = collectCanvasMarks(*this);
    QRegion marked;
    for (const QRect& area : marks.areas()) {
        marked += scale.aligned(area.intersected(everywhere));
    }
    for (const QRect& area : drawn - marked) {
        copyPixels(kept.layer, frame, area);
    }
    for (const QRect& area : marked) {
        copyPixels(kept.content, frame, area);
        QPainter p(&frame);
        preparePainter(p);
        p.setClipRect(area);
        drawCanvasMarks(p, marks, kept.pictures);
        p.end();
        kept.overlay.drawOver(frame, area);
        p.begin(&frame);
        preparePainter(p);
        p.setClipRect(area);
        drawLengthLabels(p, kept.labels, area);
    }
    drawn += marked;
    kept.marked.assign(marked.begin(), marked.end());
    if (tool == DesignViewTool) {
        // Its text may reach a little past the box.
        const QRect box = informationBox(frame, pointerPoint).adjusted(-3, -3, 3, 3);
        if (!box.isEmpty()) {
            kept.marked.push_back(scale.aligned(box));
            drawn += kept.marked.back();
        }
    }
    // Products read for the first time while drawing join the product cache: the view
    // is what it is now.
    kept.viewDrawnFor = viewInputs(*this, whole.size(), scale.ratio());
    kept.frameComposed = true;
    return drawn.intersected(whole);
}
