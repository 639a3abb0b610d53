#include "render_fixture.h"

#include "library/product_library.h"
#include "platform/picture.h"

namespace {

QImage filled(int w, int h, TColor colour) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(toQRgb(colour));
    return image;
}

QImage halves(int side, TColor top, TColor bottom) {
    QImage image = filled(side, side, top);
    for (int y = side / 2; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            image.setPixel(x, y, toQRgb(bottom));
        }
    }
    return image;
}

QImage framedCentre(int side) {
    QImage image = filled(side, side, paint_sample::KeyColour);
    for (int y = side / 4; y < side - side / 4; ++y) {
        for (int x = side / 4; x < side - side / 4; ++x) {
            image.setPixel(x, y, toQRgb(paint_sample::CentreColour));
        }
    }
    return image;
}

} // namespace

void paint_sample::addProducts(TestLibrary& library) {
    library.addCategory(1, QStringLiteral("扣板"));
    library.addCategory(2, QStringLiteral("电器"));
    library.addProduct(Panel, 1, QStringLiteral("方板300"), KindSquarePanel, 300, 300,
                       picture::writeBmp(filled(20, 20, PanelColour)));
    library.addProduct(TallPanel, 1, QStringLiteral("长板"), KindSquarePanel, 300, 600,
                       picture::writeBmp(halves(20, TopColour, BottomColour)));
    library.addProduct(Appliance, 2, QStringLiteral("排气扇"), KindAppliance, 300, 300,
                       picture::writeBmp(framedCentre(40)));
    library.addProduct(Floating, 2, QStringLiteral("吊灯"), KindFloating, 500, 500,
                       picture::writeBmp(framedCentre(40)));
    library.addProduct(Strip, 1, QStringLiteral("条板"), KindStrip, 1000, 300,
                       picture::writeBmp(filled(50, 15, StripColour)), 8, QStringLiteral("米"));
}

RenderTest::RenderTest(int roomMode, qreal ratio) : canvas(800, 600, ratio) {
    paint_sample::addProducts(library);
    RoomContext context;
    context.canvas = &canvas;
    context.library = &library.database();
    room = std::make_unique<TRoom_OBJ>(context, 300, 300, roomMode, true);
    room->editMode = EditDesign;
    room->wall.setOrigin({-700, -700});
    useOutline(rectangleCorners(900, 900, 1200, 1200));
}

void RenderTest::useOutline(const QList<QPoint>& corners, const QList<quint8>& kinds) {
    room->wall.setOutline(corners, kinds);
    room->setTool(FirstDesignTool);
}

void RenderTest::useOutlineWithOpenings() {
    useOutline({{900, 900},
                {1000, 900},
                {1200, 900},
                {1200, 1000},
                {1200, 1100},
                {1200, 1200},
                {900, 1200}},
               {DoorEnd, DoorEnd, PlainCorner, WindowEnd, WindowEnd, PlainCorner, PlainCorner});
}

const QImage& RenderTest::painted() {
    room->paint();
    return canvas.surface().image();
}

QImage freshDesign(TRoom_OBJ& room, QSize size, qreal ratio) {
    QImage image(size * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(toQRgb(colors::White));
    room.wall.refreshCanvasPoints();
    room.designContent(image, TRoom_OBJ::RenderTarget::Canvas);
    room.roomMaskOverlay(image, TRoom_OBJ::RenderTarget::Canvas);
    room.lengthLabels(image, TRoom_OBJ::RenderTarget::Canvas);
    if (room.tool == 20) {
        room.informationBox(image, room.pointerPoint);
    }
    return image;
}

std::optional<QPoint> firstDifference(const QImage& a, const QImage& b, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if ((a.pixel(x, y) & 0xFFFFFF) != (b.pixel(x, y) & 0xFFFFFF)) {
                return QPoint(x, y);
            }
        }
    }
    return std::nullopt;
}
