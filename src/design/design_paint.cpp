#include "design/room_render.h"

#include "core/tpic_rec.h"
#include "platform/surface.h"

#include <QPainter>

#include <cstring>

namespace {

// Everything the kept grid and mask overlay depend on: the target and view, the outline,
// the grid sizes and cells that are drawn, the product cache and the room mask. Two
// frames with the same list draw the same grid.
std::vector<qint64> gridInputs(const TRoom_OBJ& room, QSize size) {
    std::vector<qint64> in;
    const troom_Wall& wall = room.wall;
    in.insert(in.end(), {size.width(), size.height(), wall.paperWidth(), wall.getOrigin().x(),
                         wall.getOrigin().y(), room.roomstyle, room.firstColumn, room.firstRow,
                         room.lastColumn, room.lastRow, room.mask.cacheKey(), wall.pointCount()});
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
    for (int c = room.firstColumn; c <= room.lastColumn; ++c) {
        for (int r = room.firstRow; r <= room.lastRow; ++r) {
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
    for (const std::unique_ptr<tpic_rec>& product : room.productCache) {
        in.insert(in.end(), {product->id, product->orientation, product->picture.cacheKey()});
    }
    return in;
}

// The objects as they are drawn; their selection is a mark.
std::vector<qint64> objectInputs(const TRoom_OBJ& room) {
    std::vector<qint64> in;
    for (const std::unique_ptr<tdianqi_rec>& object : room.objects) {
        in.insert(in.end(), {object->id, object->orientation, object->x, object->y, object->kind});
    }
    return in;
}

// Copies an area between two pictures of the same size; rows of the same format are
// copied as bytes.
void copyArea(const QImage& from, QImage& to, const QRect& area) {
    const QRect r = area.intersected(to.rect());
    if (r.isEmpty()) {
        return;
    }
    if (from.format() != to.format() || from.depth() != 32) {
        QPainter p(&to);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(r.topLeft(), from, r);
        return;
    }
    const std::size_t bytes = std::size_t(r.width()) * 4;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        std::memcpy(to.scanLine(y) + std::size_t(r.left()) * 4,
                    from.constScanLine(y) + std::size_t(r.left()) * 4, bytes);
    }
}

void reuse(QImage& image, QSize size, QImage::Format format) {
    if (image.size() != size || image.format() != format) {
        image = QImage(size, format);
    }
}

} // namespace

void TRoom_OBJ::RenderCacheDeleter::operator()(RenderCache* cache) const {
    delete cache;
}

void TRoom_OBJ::dropRenderCache() {
    renderCache.reset();
}

void TRoom_OBJ::designPaint(Surface& surface) {
    using namespace room_render;
    QImage& frame = surface.pixels();
    if (wall.pointCount() <= 2) {
        frame.fill(toQRgb(colors::White));
        productGhost = showSelectedProduct && currentProduct.id != -1;
        return;
    }
    if (!renderCache) {
        renderCache.reset(new RenderCache);
    }
    RenderCache& kept = *renderCache;
    kept.pictures.useScale(wall.paperWidth());
    const QSize size = frame.size();
    const bool gridChanged = kept.gridDrawnFor != gridInputs(*this, size);
    if (gridChanged) {
        reuse(kept.grid, size, frame.format());
        drawGrid(*this, kept.grid, kept.pictures);
        kept.overlay.build(*this, size, RenderTarget::Canvas);
        kept.labels = lengthLabelsFor(*this, size, RenderTarget::Canvas);
    }
    if (gridChanged || kept.objectsDrawnFor != objectInputs(*this)) {
        reuse(kept.content, size, frame.format());
        copyArea(kept.grid, kept.content, kept.content.rect());
        drawObjects(*this, kept.content, kept.pictures);
        kept.objectsDrawnFor = objectInputs(*this);
        reuse(kept.layer, size, frame.format());
        copyArea(kept.content, kept.layer, kept.layer.rect());
        QPainter p(&kept.layer);
        preparePainter(p);
        kept.overlay.drawOver(p, kept.layer.rect());
        drawLengthLabels(p, kept.labels, kept.layer.rect());
    }
    // Drawing normalises the grid and fills the product cache, so the inputs are taken
    // afterwards.
    if (gridChanged) {
        kept.gridDrawnFor = gridInputs(*this, size);
    }
    copyArea(kept.layer, frame, frame.rect());
    // The marks lie under the mask and the labels: each of their areas is drawn again from
    // the content up, with every mark that reaches into it.
    const CanvasMarks marks = collectCanvasMarks(*this);
    for (const QRect& area : marks.areas()) {
        const QRect r = area.intersected(frame.rect());
        if (r.isEmpty()) {
            continue;
        }
        copyArea(kept.content, frame, r);
        QPainter p(&frame);
        preparePainter(p);
        p.setClipRect(r);
        drawCanvasMarks(p, marks, kept.pictures);
        kept.overlay.drawOver(p, r);
        drawLengthLabels(p, kept.labels, r);
    }
    if (tool == DesignViewTool) {
        informationBox(frame, pointerPoint);
    }
}
