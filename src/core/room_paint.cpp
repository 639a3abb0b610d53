#include "core/troom_obj.h"

#include "core/room_canvas.h"
#include "platform/surface.h"

#include <QFont>

#include <algorithm>

namespace {

constexpr TColor ScrollMarkerColor = colors::Blue;

QString& vendorAddress() {
    static QString address = QStringLiteral("https://www.yanzhou-diaoding.cn");
    return address;
}

} // namespace

void TRoom_OBJ::setWebAddress(const QString& address) {
    vendorAddress() = address;
}

QString TRoom_OBJ::webAddress() {
    return vendorAddress();
}

void TRoom_OBJ::paint() {
    if (!canvas || !canvas->canDraw()) {
        return;
    }
    Surface& surface = canvas->surface();
    // Every finished outline runs clockwise on the canvas; the kinds go with their
    // corners.
    if (wall.pointCount() > 2 && tool != ToolDrawWalls && outlineArea(-1, false) < 0) {
        wall.reverseCorners();
    }
    wall.refreshCanvasPoints();
    const QRegion drawn = paintToolLayer(surface);
    // What lies over the tool layer is drawn again where the tool layer was.
    surface.setClip(drawn);
    paintFrame(surface);
    if (!lockCanvas) {
        paintScrollMarkers(surface);
    }
    paintSignature(surface);
    surface.clearClip();
    shownFrame = surface.image().cacheKey();
    canvas->present(drawn);
}

// The walls (tools 0 and 4..7), the outline being drawn (tool 1) and the design (tools
// 9..26) are drawn here by their painters, which are added with their tools.
QRegion TRoom_OBJ::paintToolLayer(Surface& surface) {
    if (tool >= FirstDesignTool && tool <= LastDesignTool) {
        return designPaint(surface);
    }
    surface.fill(colors::White);
    if (tool == ToolDrawWalls) {
        drawingPainter(surface);
    } else if (tool == ToolEditWalls || (tool >= ToolMoveRoomArmed && tool <= ToolDragWall)) {
        wallPainter(surface);
    }
    return QRegion(0, 0, surface.width(), surface.height());
}

void TRoom_OBJ::paintFrame(Surface& surface) const {
    const int w = canvasWidth();
    const int h = canvasHeight();
    surface.fillRect(0, 0, w, 2, colors::Black);
    surface.fillRect(0, h - 2, w, h, colors::Black);
    surface.fillRect(0, 0, 2, h, colors::Black);
    surface.fillRect(w - 2, 0, w, h, colors::Black);
}

// The eight places where resting the pointer scrolls the view.
void TRoom_OBJ::paintScrollMarkers(Surface& surface) const {
    const int w = canvasWidth();
    const int h = canvasHeight();
    const int cx = w / 2;
    const int cy = h / 2;
    const int boxes[][4] = {
        {0, 0, 5, 5},           {w - 5, 0, w, 5},           {0, h - 5, 5, h},
        {w - 5, h - 5, w, h},   {cx - 5, 0, cx + 5, 5},     {cx - 5, h - 5, cx + 5, h},
        {0, cy - 5, 5, cy + 5}, {w - 5, cy - 5, w, cy + 5},
    };
    for (const auto& b : boxes) {
        surface.fillRect(b[0], b[1], b[2], b[3], ScrollMarkerColor);
    }
}

void TRoom_OBJ::paintSignature(Surface& surface) const {
    surface.setFont(QFont(), colors::Grey);
    surface.setBrushClear();
    const QString text = QStringLiteral("砚舟集成吊顶设计软件 ") + webAddress();
    // 220 pixels from the right edge, moved left as far as a longer address needs.
    const int x = std::min(canvasWidth() - 220, canvasWidth() - surface.textWidth(text) - 6);
    surface.textOut(x, canvasHeight() - 20, text);
}
