#pragma once

#include "core/troom_obj.h"
#include "platform/database.h"
#include "support/temp_folder.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <gtest/gtest.h>

#include <memory>

// A product library of the test's own, in a temporary folder: categories, one
// sub-category per category (same id) and the products the test adds.
class TestLibrary {
public:
    TestLibrary();

    void addCategory(int id, const QString& name);
    void addProduct(int id, int category, const QString& title, int kind, double width,
                    double height, const QByteArray& picture = standardPicture(), double price = 10,
                    const QString& unit = QStringLiteral("块"));
    Database& database() { return db_; }

    // A w x h picture whose every pixel has its own colour (red = x * 16, green = y * 16).
    static QImage patternPicture(int w, int h);
    static QByteArray standardPicture();

private:
    TempFolder folder_;
    Database db_;
};

// Products the placement tests share (category 1 "扣板", 2 "电器", 3 "吊件").
namespace sample {
constexpr int Panel300 = 1;     // 300 x 300 square panel
constexpr int Panel600 = 2;     // 600 x 600 square panel
constexpr int Panel300x600 = 3; // 300 x 600 square panel
constexpr int Appliance300x600 = 10;
constexpr int Appliance300 = 11;
constexpr int Appliance250 = 12;
constexpr int Floating = 20;
constexpr int Strip = 30; // 300 wide, 3000 long
constexpr int Other = 40;
void addProducts(TestLibrary& library);
} // namespace sample

// A room on the test library with square cells of `cellSize` mm, in design mode, with
// no outline yet.
std::unique_ptr<TRoom_OBJ> designRoom(TestLibrary& library, int roomMode = SquarePanelRoom,
                                      int cellSize = 300);
// Replaces the outline and rebuilds the active range and the mask.
void setOutline(TRoom_OBJ& room, const QList<QPoint>& corners);
QList<QPoint> rectangleCorners(int left, int top, int right, int bottom);
// The L of the tests: 600..1200 cm across and down with the bottom-right quarter cut
// away.
QList<QPoint> lShapeCorners();
// A placed object of the room's list.
tdianqi_rec& addObject(TRoom_OBJ& room, int id, int kind, int x, int y, int orientation = 0);
// Fills every cell of a block with a panel placed by the room's own rule.
void placeEverywhere(TRoom_OBJ& room, int product, int firstColumn, int firstRow, int lastColumn,
                     int lastRow);
// The bill line quantity of a product, or -1 when the room has none.
double quantityOf(const TRoom_OBJ& room, int productId);

// The room most placement tests use: the sample products, 300 mm cells and a 3 x 3 m
// square room from 900 to 1200 cm both ways (columns and rows 31..40), in design mode.
class SquareRoomTest : public ::testing::Test {
protected:
    SquareRoomTest();

    TestLibrary library;
    std::unique_ptr<TRoom_OBJ> room;
};
