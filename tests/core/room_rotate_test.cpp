#include "core/historyrec.h"
#include "core/ppdu_id.h"
#include "core/tpic_rec.h"
#include "core/troom_obj.h"
#include "library/library_schema.h"
#include "library/product_library.h"
#include "platform/database.h"
#include "platform/picture.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

#include "bill_quantity.h"
#include "fake_canvas.h"

#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <tuple>
#include <vector>

namespace {

constexpr int Panel = 1;       // square panel 300 x 300
constexpr int LongPanel = 3;   // square panel 300 x 600
constexpr int Lamp = 10;       // appliance 300 x 600
constexpr int Chandelier = 20; // floating 500 x 500
constexpr int FirstStrip = 31; // strips 31..33, 300 wide

// Products drawn for the turn: each picture has its own colour.
class TurnLibrary {
public:
    TurnLibrary() {
        EXPECT_TRUE(db.create(folder.file(QStringLiteral("db.data"))));
        createLibrarySchema(db);
        db.exec(QStringLiteral("insert into cailiao (id, cailiao) values (1, '扣板')"));
        db.exec(QStringLiteral("insert into xinghao (id, xinghao, cailiao_id) values (1, 'a', 1)"));
        add(Panel, KindSquarePanel, 300, 300, Qt::yellow);
        add(LongPanel, KindSquarePanel, 300, 600, Qt::green);
        add(Lamp, KindAppliance, 300, 600, Qt::white);
        add(Chandelier, KindFloating, 500, 500, Qt::red);
        for (int id = FirstStrip; id < FirstStrip + 3; ++id) {
            add(id, KindStrip, 300, 3000, Qt::blue);
        }
    }

    TempFolder folder;
    Database db;

private:
    void add(int id, int kind, int width, int height, Qt::GlobalColor colour) {
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(colour);
        db.exec(QStringLiteral("insert into pic (id, xinghao_id, title, style, width, height, "
                               "price, danwei, l_img) values (?, 1, ?, ?, ?, ?, 5, '块', ?)"),
                {id, QStringLiteral("产品%1").arg(id), kind, width, height,
                 picture::writeBmp(picture)});
    }
};

QList<QPoint> rectangle(int left, int top, int right, int bottom) {
    return {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
}

// Panels, objects and outline measured from the top-left of the outline's bounds, so that
// states can be compared wherever the room lies on the plan.
struct RelativeLayout {
    QList<QPoint> corners;
    QList<quint8> kinds;
    std::vector<std::tuple<int, int, qint32, quint8>> anchors; // left, top (cm), id, attribute
    std::vector<std::tuple<int, int, int, int, int>> objects;  // x, y, id, kind, orientation

    explicit RelativeLayout(const TRoom_OBJ& room) : kinds(room.wall.kinds()) {
        Bounds b;
        room.wall.planBounds(b);
        const QPoint origin(b.minX, b.minY);
        for (const QPoint& corner : room.wall.corners()) {
            corners.append(corner - origin);
        }
        for (int r = 1; r <= TRoom_OBJ::LastCell; ++r) {
            for (int c = 1; c <= TRoom_OBJ::LastCell; ++c) {
                if (room.cell(c, r) >= 0) {
                    const ObjectBox box = room.cellRectangle({c, r});
                    anchors.emplace_back(box.left / 10 - origin.x(), box.top / 10 - origin.y(),
                                         room.cell(c, r), room.cellAttribute(c, r));
                }
            }
        }
        for (const auto& o : room.objects) {
            objects.emplace_back(o->x - origin.x(), o->y - origin.y(), o->id, o->kind,
                                 o->orientation);
        }
    }
    bool operator==(const RelativeLayout&) const = default;
};

// Height in cm of a product turned to an orientation.
int heightCm(int id, int orientation) {
    const bool across = orientation % 2 == 1;
    switch (id) {
    case LongPanel:
    case Lamp:
        return across ? 30 : 60;
    case Chandelier:
        return 50;
    default:
        return 30;
    }
}

// The layout a quarter turn clockwise further, `height` being the outline's height.
RelativeLayout turned(RelativeLayout layout, int height) {
    for (QPoint& corner : layout.corners) {
        corner = QPoint(height - corner.y(), corner.x());
    }
    for (auto& [x, y, id, attribute] : layout.anchors) {
        const int oldX = x;
        x = height - y - heightCm(id, attribute % 10);
        y = oldX;
        attribute = quint8(attribute - attribute % 10 + (attribute % 10 + 1) % 4);
    }
    std::sort(layout.anchors.begin(), layout.anchors.end(), [](const auto& a, const auto& b) {
        return std::tie(std::get<1>(a), std::get<0>(a)) < std::tie(std::get<1>(b), std::get<0>(b));
    });
    for (auto& [x, y, id, kind, orientation] : layout.objects) {
        const int oldX = x;
        x = height - y - heightCm(id, orientation);
        y = oldX;
        orientation = (orientation + 1) % 4;
    }
    return layout;
}

class RotateTest : public ::testing::Test {
protected:
    // A room made by the main window, with its walls, in design mode.
    std::unique_ptr<TRoom_OBJ> designRoom(const QList<QPoint>& corners, int mode = SquarePanelRoom,
                                          int columnWidth = 300, int rowHeight = 300) {
        RoomContext context = canvasContext(&canvas);
        context.library = &library.db;
        NewRoomRequest request;
        request.roomMode = mode;
        request.columnWidth = columnWidth;
        request.rowHeight = rowHeight;
        auto room = CreatNewRoom(context, request).room;
        room->wall.setOutline(corners, {});
        room->editMode = EditDesign;
        room->setTool(FirstDesignTool);
        return room;
    }

    static void lay(TRoom_OBJ& room, GridCell at, int product, int orientation) {
        room.currentProduct = {product, KindSquarePanel, quint8(orientation)};
        room.placePanel(at, orientation);
    }

    static tdianqi_rec& addObject(TRoom_OBJ& room, int id, int kind, QPoint at, int orientation) {
        auto object = std::make_unique<tdianqi_rec>();
        object->id = id;
        object->kind = kind;
        object->x = at.x();
        object->y = at.y();
        object->orientation = orientation;
        room.objects.push_back(std::move(object));
        return *room.objects.back();
    }

    TurnLibrary library;
    FakeCanvas canvas{900, 700};
};

TEST_F(RotateTest, AFlipMirrorsTheOutlineAndLeavesCellsAndObjects) {
    auto room =
        designRoom({{600, 600}, {1200, 600}, {1200, 900}, {900, 900}, {900, 1200}, {600, 1200}});
    lay(*room, {22, 22}, Panel, 1);
    lay(*room, {25, 35}, LongPanel, 0);
    addObject(*room, Chandelier, KindFloating, {650, 1100}, 2);
    room->normaliseCoveredCells();
    room->recount();
    room->recordStep();
    room->roomModified = false;
    const BlockGrid<qint32> cells = room->cells;
    const BlockGrid<quint8> attributes = room->cellAttributes;
    const std::size_t steps = room->undoList.size();

    // The painter may turn the corner order round; the set of corners is what moved.
    const auto sortedCorners = [&room] {
        QList<QPoint> corners = room->wall.corners();
        std::sort(corners.begin(), corners.end(), [](QPoint a, QPoint b) {
            return std::pair(a.x(), a.y()) < std::pair(b.x(), b.y());
        });
        return corners;
    };
    room->flipHorizontal();
    EXPECT_EQ(sortedCorners(),
              QList<QPoint>(
                  {{600, 600}, {600, 900}, {900, 900}, {900, 1200}, {1200, 600}, {1200, 1200}}));
    room->flipVertical();
    EXPECT_EQ(sortedCorners(),
              QList<QPoint>(
                  {{600, 900}, {600, 1200}, {900, 600}, {900, 900}, {1200, 600}, {1200, 1200}}));

    EXPECT_TRUE(room->insideMask(1100, 1100)) << "the mask follows the walls";
    EXPECT_FALSE(room->insideMask(700, 700));
    EXPECT_TRUE(room->cells == cells);
    EXPECT_TRUE(room->cellAttributes == attributes);
    EXPECT_EQ(room->objects.front()->x, 650);
    EXPECT_EQ(room->objects.front()->orientation, 2);
    EXPECT_EQ(room->undoList.size(), steps);
    EXPECT_FALSE(room->roomModified);
}

TEST_F(RotateTest, ARoomNeverInDesignModeTurnsItsOutlineIntoTheMiddle) {
    RoomContext context = canvasContext(&canvas);
    context.library = &library.db;
    auto room = CreatNewRoom(context, NewRoomRequest{}).room;
    room->wall.setOutline(rectangle(100, 200, 400, 300), {});
    room->roomModified = false;

    room->rotateRoom();
    EXPECT_EQ(room->wall.corners(),
              QList<QPoint>({{1050, 850}, {1050, 1150}, {950, 1150}, {950, 850}}));
    EXPECT_EQ(room->undoList.size(), 1u);
    EXPECT_FALSE(room->canUndo) << "one snapshot: nothing to go back to";
    EXPECT_TRUE(room->roomModified);
}

TEST_F(RotateTest, AStripRoomAlongColumnsBecomesOneAlongRowsInTheSameOrder) {
    // 3 m across and 6 m down: columns 31..40 carry strips.
    auto room = designRoom(rectangle(900, 600, 1200, 1200), StripsAlongColumns);
    std::vector<qint32> strips;
    for (int c = 31; c <= 40; ++c) {
        room->cell(c, 1) = FirstStrip + c % 3;
        room->cellAttribute(c, 1) = 1;
        strips.push_back(room->cell(c, 1));
    }
    room->recount();
    const double metres = quantityOf(*room, FirstStrip) + quantityOf(*room, FirstStrip + 1) +
                          quantityOf(*room, FirstStrip + 2);
    ASSERT_NEAR(metres, 60, 0.5);

    room->rotateRoom();
    EXPECT_EQ(room->roomstyle, StripsAlongRows);
    std::vector<qint32> rowStrips;
    for (int r = 1; r <= TRoom_OBJ::LastCell; ++r) {
        if (room->cell(1, r) >= 0) {
            rowStrips.push_back(room->cell(1, r));
            EXPECT_EQ(room->cellAttribute(1, r), 0);
            EXPECT_EQ(room->rowHeight(r), 300);
        }
    }
    EXPECT_EQ(rowStrips, strips) << "the left column's strip is the top row's";
    for (int c = 3; c <= TRoom_OBJ::LastCell; ++c) {
        ASSERT_EQ(room->cell(c, 1), -1) << "no column keeps a strip, column " << c;
    }
    Bounds b;
    room->wall.planBounds(b);
    EXPECT_EQ(b.maxX - b.minX, 600);
    EXPECT_EQ(b.maxY - b.minY, 300);
    EXPECT_NEAR(quantityOf(*room, FirstStrip) + quantityOf(*room, FirstStrip + 1) +
                    quantityOf(*room, FirstStrip + 2),
                metres, 0.5);

    room->rotateRoom();
    EXPECT_EQ(room->roomstyle, StripsAlongColumns);
}

TEST_F(RotateTest, OrientationThreeBecomesZeroAndTheUnderApplianceDigitStays) {
    auto room = designRoom(rectangle(900, 900, 1200, 1200));
    lay(*room, {32, 32}, Panel, 3);
    lay(*room, {35, 33}, Panel, 3);
    lay(*room, {35, 34}, Panel, 3);
    tdianqi_rec& lamp = addObject(*room, Lamp, KindAppliance, {1020, 960}, 0);
    ASSERT_TRUE(room->seatAppliance(lamp));
    ASSERT_EQ(room->cellAttribute(35, 33), 13);
    room->recount();
    ASSERT_EQ(quantityOf(*room, Panel), 1) << "the panels under the lamp count 0";

    room->rotateRoom();
    std::vector<int> attributes;
    for (int r = room->firstRow; r <= room->lastRow; ++r) {
        for (int c = room->firstColumn; c <= room->lastColumn; ++c) {
            if (room->cell(c, r) == Panel) {
                attributes.push_back(room->cellAttribute(c, r));
            }
        }
    }
    std::sort(attributes.begin(), attributes.end());
    EXPECT_EQ(attributes, std::vector<int>({0, 10, 10}));
    ASSERT_EQ(room->objects.size(), 1u);
    EXPECT_EQ(room->objects.front()->orientation, 1);
    EXPECT_EQ(quantityOf(*room, Panel), 1) << "the lamp still covers its two panels";
}

TEST_F(RotateTest, ATurnIsOneUndoStepAndUndoTurnsBack) {
    auto room = designRoom(rectangle(700, 800, 1300, 1100));
    lay(*room, {25, 28}, LongPanel, 1);
    addObject(*room, Chandelier, KindFloating, {1000, 900}, 0);
    room->normaliseCoveredCells();
    room->recount();
    room->recordStep();
    const std::size_t steps = room->undoList.size();
    const QList<QPoint> corners = room->wall.corners();
    const BlockGrid<qint32> cells = room->cells;

    room->rotateRoom();
    EXPECT_EQ(room->undoList.size(), steps + 1);
    EXPECT_NE(room->wall.corners(), corners);
    room->undo();
    EXPECT_EQ(room->wall.corners(), corners);
    EXPECT_TRUE(room->cells == cells);
    EXPECT_EQ(room->objects.front()->x, 1000);
}

TEST_F(RotateTest, ARoomAsLargeAsThePlanStaysAsItWasAndSaysSo) {
    auto room = designRoom(rectangle(1, 1, 1999, 1999));
    ScriptedPrompts prompts;
    room->prompts = &prompts;
    lay(*room, {3, 60}, LongPanel, 0);
    addObject(*room, Chandelier, KindFloating, {100, 1800}, 0);
    room->normaliseCoveredCells();
    room->recount();
    room->recordStep();
    const BlockGrid<qint32> cells = room->cells;
    const QList<QPoint> corners = room->wall.corners();
    const std::size_t steps = room->undoList.size();

    room->rotateRoom();
    EXPECT_TRUE(room->cells == cells);
    EXPECT_EQ(room->wall.corners(), corners);
    EXPECT_EQ(room->roomstyle, SquarePanelRoom);
    ASSERT_EQ(room->objects.size(), 1u);
    EXPECT_EQ(room->objects.front()->x, 100);
    EXPECT_EQ(room->undoList.size(), steps);
    EXPECT_EQ(prompts.messages(), QStringList{QStringLiteral("房间旋转后将超出图纸范围,不能旋转")});
}

TEST_F(RotateTest, ATurnOnOblongCellsSwapsTheColumnWidthsAndRowHeights) {
    auto room = designRoom(rectangle(900, 900, 1200, 1500), SquarePanelRoom, 300, 600);
    lay(*room, {34, 17}, LongPanel, 0);
    room->recount();
    const RelativeLayout before(*room);

    room->rotateRoom();
    Bounds b;
    room->wall.planBounds(b);
    for (int c = room->columnAt(b.minX); c <= room->columnAt(b.maxX); ++c) {
        ASSERT_EQ(room->columnWidth(c), 600) << c;
    }
    for (int r = room->rowAt(b.minY); r <= room->rowAt(b.maxY); ++r) {
        ASSERT_EQ(room->rowHeight(r), 300) << r;
    }
    const RelativeLayout after(*room);
    ASSERT_EQ(after.anchors.size(), 1u);
    // The panel 90 cm from the left, 60 cm from the top lies 60 cm from the right now.
    EXPECT_EQ(std::get<0>(before.anchors[0]), 90);
    EXPECT_EQ(std::get<1>(before.anchors[0]), 60);
    EXPECT_EQ(std::get<0>(after.anchors[0]), 600 - 60 - 60);
    EXPECT_EQ(std::get<1>(after.anchors[0]), 90);
    EXPECT_EQ(std::get<3>(after.anchors[0]), 1);
    EXPECT_EQ(quantityOf(*room, LongPanel), 1);
}

// Random rooms of square and oblong cells with panels, appliances and floating products:
// four quarter turns bring everything back to where it lay relative to the walls.
TEST_F(RotateTest, FourQuarterTurnsBringEveryRoomBack) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        const auto pick = [&random](int lo, int hi) {
            return std::uniform_int_distribution<int>(lo, hi)(random);
        };
        const bool oblong = seed % 3 == 0;
        const int left = pick(200, 900);
        const int top = pick(200, 900);
        const int right = left + pick(250, 800);
        const int bottom = top + pick(250, 800);
        QList<QPoint> corners = rectangle(left, top, right, bottom);
        if (seed % 2 == 0) { // an L: the bottom-right quarter cut away
            const int midX = (left + right) / 2;
            const int midY = (top + bottom) / 2;
            corners = {{left, top},  {right, top},   {right, midY},
                       {midX, midY}, {midX, bottom}, {left, bottom}};
        }
        auto room = designRoom(corners, SquarePanelRoom, 300, oblong ? 600 : 300);

        // Panels that do not overlap, wholly inside the room so that no count removes them.
        std::set<std::pair<int, int>> taken;
        for (int c = room->firstColumn; c <= room->lastColumn; ++c) {
            for (int r = room->firstRow; r <= room->lastRow; ++r) {
                const int product = oblong || pick(0, 1) ? LongPanel : Panel;
                const int orientation = oblong ? 2 * pick(0, 1) : pick(0, 3);
                const tpic_rec* item = room->productLookup(product, orientation);
                ASSERT_NE(item, nullptr);
                const TRoom_OBJ::CellSpan span = room->spanTest({c, r}, item->width, item->height);
                const ObjectBox box = room->blockPlanRectangle({c, r}, item->width, item->height);
                bool free = span.fits && pick(0, 2) == 0 && room->insideMask(box.left, box.top) &&
                            room->insideMask(box.right, box.top) &&
                            room->insideMask(box.left, box.bottom) &&
                            room->insideMask(box.right, box.bottom);
                for (int i = 0; free && i < span.columns; ++i) {
                    for (int j = 0; j < span.rows; ++j) {
                        free = free && !taken.contains({c + i, r + j});
                    }
                }
                if (!free) {
                    continue;
                }
                for (int i = 0; i < span.columns; ++i) {
                    for (int j = 0; j < span.rows; ++j) {
                        taken.insert({c + i, r + j});
                    }
                }
                lay(*room, {c, r}, product, orientation);
            }
        }
        room->normaliseCoveredCells();
        for (int i = 0; i < 3; ++i) {
            addObject(*room, Chandelier, KindFloating, {pick(left, left + 60), pick(top, top + 60)},
                      pick(0, 3));
        }
        const ObjectBox seat = room->cellRectangle(*room->cellOfPoint({left + 70, top + 70}));
        addObject(*room, Lamp, KindAppliance, {seat.left / 10, seat.top / 10}, 0);
        room->reseatAllAppliances();
        room->recount();
        const RelativeLayout before(*room);
        ASSERT_GT(before.anchors.size(), 0u);
        const double panels = quantityOf(*room, Panel) + quantityOf(*room, LongPanel);

        Bounds b;
        room->wall.planBounds(b);
        room->rotateRoom();
        const RelativeLayout once(*room);
        const RelativeLayout expected = turned(before, b.maxY - b.minY);
        EXPECT_EQ(once.corners, expected.corners);
        EXPECT_EQ(once.anchors, expected.anchors);
        EXPECT_EQ(once.objects, expected.objects);
        room->rotateRoom();
        room->rotateRoom();
        room->rotateRoom();
        const RelativeLayout back(*room);
        EXPECT_EQ(back.corners, before.corners);
        EXPECT_EQ(back.kinds, before.kinds);
        EXPECT_EQ(back.anchors, before.anchors);
        EXPECT_EQ(back.objects, before.objects);
        EXPECT_EQ(quantityOf(*room, Panel) + quantityOf(*room, LongPanel), panels);
        EXPECT_EQ(room->objects.size(), 4u);
    }
}

} // namespace
