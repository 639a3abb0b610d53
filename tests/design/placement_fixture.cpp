#include "placement_fixture.h"

#include "core/ppdu_id.h"
#include "library/library_schema.h"
#include "library/product_library.h"
#include "platform/picture.h"

#include <gtest/gtest.h>

TestLibrary::TestLibrary() {
    QString error;
    if (!db_.create(folder_.file(QStringLiteral("db.data")), &error)) {
        ADD_FAILURE() << error.toStdString();
        return;
    }
    createLibrarySchema(db_);
}

void TestLibrary::addCategory(int id, const QString& name) {
    db_.exec(QStringLiteral("insert into cailiao (id, cailiao, comp_id, stauts) values (?,?,0,0)"),
             {id, name});
    db_.exec(QStringLiteral("insert into xinghao (id, xinghao, cailiao_id, stauts) "
                            "values (?,?,?,0)"),
             {id, name, id});
}

void TestLibrary::addProduct(int id, int category, const QString& title, int kind, double width,
                             double height, const QByteArray& picture, double price,
                             const QString& unit) {
    db_.exec(QStringLiteral("insert into pic (id, xinghao_id, title, style, width, height, "
                            "price, danwei, l_img) values (?,?,?,?,?,?,?,?,?)"),
             {id, category, title, kind, width, height, price, unit, picture});
}

QImage TestLibrary::patternPicture(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            image.setPixel(x, y, qRgb(x * 16 % 256, y * 16 % 256, 100));
        }
    }
    return image;
}

QByteArray TestLibrary::standardPicture() {
    return picture::writeBmp(patternPicture(4, 4));
}

void sample::addProducts(TestLibrary& library) {
    library.addCategory(1, QStringLiteral("扣板"));
    library.addCategory(2, QStringLiteral("电器"));
    library.addCategory(3, QStringLiteral("吊件"));
    library.addProduct(Panel300, 1, QStringLiteral("方板300"), KindSquarePanel, 300, 300);
    library.addProduct(Panel600, 1, QStringLiteral("方板600"), KindSquarePanel, 600, 600);
    library.addProduct(Panel300x600, 1, QStringLiteral("长板"), KindSquarePanel, 300, 600);
    library.addProduct(Appliance300x600, 2, QStringLiteral("灯"), KindAppliance, 300, 600);
    library.addProduct(Appliance300, 2, QStringLiteral("排气扇"), KindAppliance, 300, 300);
    library.addProduct(Appliance250, 2, QStringLiteral("小灯"), KindAppliance, 250, 250);
    library.addProduct(Floating, 2, QStringLiteral("吊灯"), KindFloating, 500, 500);
    library.addProduct(Strip, 1, QStringLiteral("条板"), KindStrip, 300, 3000,
                       TestLibrary::standardPicture(), 8, QStringLiteral("米"));
    library.addProduct(Other, 3, QStringLiteral("吊杆"), KindOther, 0, 0);
}

std::unique_ptr<TRoom_OBJ> designRoom(TestLibrary& library, int roomMode, int cellSize) {
    RoomContext context;
    context.library = &library.database();
    auto room = std::make_unique<TRoom_OBJ>(context, cellSize, cellSize, roomMode, true);
    room->editMode = EditDesign;
    return room;
}

void setOutline(TRoom_OBJ& room, const QList<QPoint>& corners) {
    room.wall.setOutline(corners, {});
    room.setTool(FirstDesignTool);
}

QList<QPoint> rectangleCorners(int left, int top, int right, int bottom) {
    return {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
}

QList<QPoint> lShapeCorners() {
    return {{600, 600}, {1200, 600}, {1200, 900}, {900, 900}, {900, 1200}, {600, 1200}};
}

tdianqi_rec& addObject(TRoom_OBJ& room, int id, int kind, int x, int y, int orientation) {
    auto object = std::make_unique<tdianqi_rec>();
    object->id = id;
    object->kind = kind;
    object->x = x;
    object->y = y;
    object->orientation = orientation;
    room.objects.push_back(std::move(object));
    return *room.objects.back();
}

void placeEverywhere(TRoom_OBJ& room, int product, int firstColumn, int firstRow, int lastColumn,
                     int lastRow) {
    room.currentProduct = {product, KindSquarePanel, 0};
    for (int c = firstColumn; c <= lastColumn; ++c) {
        for (int r = firstRow; r <= lastRow; ++r) {
            room.placePanel({c, r}, 0);
        }
    }
}

double quantityOf(const TRoom_OBJ& room, int productId) {
    for (const std::unique_ptr<Ppdu_id>& line : room.billLines) {
        if (line->id == productId) {
            return line->number;
        }
    }
    return -1;
}

SquareRoomTest::SquareRoomTest() {
    sample::addProducts(library);
    room = designRoom(library);
    setOutline(*room, rectangleCorners(900, 900, 1200, 1200));
}
