#include "core/historyrec.h"
#include "core/ppdu_id.h"
#include "core/troom_obj.h"
#include "library/library_schema.h"
#include "library/product_library.h"
#include "platform/database.h"
#include "platform/picture.h"
#include "support/temp_folder.h"

#include "bill_quantity.h"
#include "fake_canvas.h"

#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

namespace {

constexpr int Panel = 1;       // 300 x 300
constexpr int BigPanel = 2;    // 600 x 600
constexpr int Lamp = 10;       // appliance 300 x 600
constexpr int Chandelier = 20; // floating 500 x 500

// A library with a panel of each size, an appliance and a floating product.
class UndoLibrary {
public:
    UndoLibrary() {
        EXPECT_TRUE(db.create(folder.file(QStringLiteral("db.data"))));
        createLibrarySchema(db);
        db.exec(QStringLiteral("insert into cailiao (id, cailiao) values (1, '扣板')"));
        db.exec(QStringLiteral("insert into xinghao (id, xinghao, cailiao_id) values (1, 'a', 1)"));
        QImage picture(6, 6, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        const QString insert = QStringLiteral(
            "insert into pic (id, xinghao_id, title, style, width, height, price, danwei, l_img) "
            "values (?, 1, ?, ?, ?, ?, 10, '块', ?)");
        const QByteArray bytes = picture::writeBmp(picture);
        db.exec(insert, {Panel, QStringLiteral("方板"), KindSquarePanel, 300, 300, bytes});
        db.exec(insert, {BigPanel, QStringLiteral("大方板"), KindSquarePanel, 600, 600, bytes});
        db.exec(insert, {Lamp, QStringLiteral("灯"), KindAppliance, 300, 600, bytes});
        db.exec(insert, {Chandelier, QStringLiteral("吊灯"), KindFloating, 500, 500, bytes});
    }

    TempFolder folder;
    Database db;
};

// What an undo must bring back: the outline, the cells around the room and the objects.
struct RoomState {
    QList<QPoint> corners;
    QList<quint8> kinds;
    int roomMode = 0;
    std::vector<std::pair<qint32, quint8>> cells;
    std::vector<std::tuple<int, int, int, int, int, bool>> objects;

    explicit RoomState(const TRoom_OBJ& room)
        : corners(room.wall.corners()), kinds(room.wall.kinds()), roomMode(room.roomstyle) {
        for (int c = 20; c <= 50; ++c) {
            for (int r = 20; r <= 50; ++r) {
                cells.emplace_back(room.cell(c, r), room.cellAttribute(c, r));
            }
        }
        for (const auto& o : room.objects) {
            objects.emplace_back(o->id, o->orientation, o->x, o->y, o->kind, o->selected);
        }
    }
    bool operator==(const RoomState&) const = default;
};

// A 3 x 3 m room (columns and rows 29..39 of 300 mm) made as the main window makes it,
// then switched to design mode with the undo flags cleared.
class UndoTest : public ::testing::Test {
protected:
    UndoTest() {
        RoomContext context = canvasContext(&canvas);
        context.library = &library.db;
        NewRoomRequest request;
        request.rectangleWidth = 300;
        request.rectangleHeight = 300;
        room = CreatNewRoom(context, request).room;
        room->canUndo = room->canRedo = false;
        room->editMode = EditDesign;
        room->setTool(FirstDesignTool);
    }

    // One edit as a fill tool makes it: a panel, the count, one undo step.
    void layPanel(GridCell at, int product = Panel) {
        room->currentProduct = {product, KindSquarePanel, 0};
        ASSERT_TRUE(room->placePanel(at, 0));
        room->recount();
        room->recordStep();
    }

    tdianqi_rec& addObject(int id, int kind, QPoint at, int orientation) {
        auto object = std::make_unique<tdianqi_rec>();
        object->id = id;
        object->kind = kind;
        object->x = at.x();
        object->y = at.y();
        object->orientation = orientation;
        room->objects.push_back(std::move(object));
        return *room->objects.back();
    }

    int panelsInGrid() const {
        int panels = 0;
        for (int c = 1; c <= TRoom_OBJ::LastCell; ++c) {
            for (int r = 1; r <= TRoom_OBJ::LastCell; ++r) {
                panels += room->cell(c, r) >= 0;
            }
        }
        return panels;
    }

    UndoLibrary library;
    FakeCanvas canvas{800, 600};
    std::unique_ptr<TRoom_OBJ> room;
};

TEST_F(UndoTest, ANewRoomHoldsOneSnapshotAndOffersNothing) {
    ASSERT_EQ(room->undoList.size(), 1u);
    EXPECT_EQ(room->undoPosition, 0);
    const int notified = canvas.parentNotifications;
    room->undo();
    room->redo();
    EXPECT_EQ(room->undoPosition, 0);
    EXPECT_EQ(canvas.parentNotifications, notified) << "nothing to undo or redo";
}

TEST_F(UndoTest, TwentyFiveEditsKeepTwentyOneSnapshotsAndTwentyUndos) {
    for (int i = 0; i < 25; ++i) {
        layPanel({29 + i % 10, 29 + i / 10});
        EXPECT_TRUE(room->canUndo);
        EXPECT_FALSE(room->canRedo);
        EXPECT_FALSE(room->roomChanged);
    }
    EXPECT_EQ(room->undoList.size(), 21u);
    EXPECT_EQ(room->undoPosition, 20);

    int undos = 0;
    while (room->canUndo) {
        const int notified = canvas.parentNotifications;
        room->undo();
        EXPECT_GT(canvas.parentNotifications, notified);
        EXPECT_TRUE(room->canRedo);
        ++undos;
        ASSERT_LE(undos, 25);
    }
    EXPECT_EQ(undos, 20);
    // The oldest kept snapshot is the one after the fifth edit.
    EXPECT_EQ(panelsInGrid(), 5);
    EXPECT_EQ(quantityOf(*room, Panel), 5);
    room->undo();
    EXPECT_EQ(panelsInGrid(), 5);

    while (room->canRedo) {
        room->redo();
    }
    EXPECT_EQ(room->undoPosition, 20);
    EXPECT_EQ(panelsInGrid(), 25);
    EXPECT_EQ(quantityOf(*room, Panel), 25);
}

TEST_F(UndoTest, ANewEditAfterUndoDropsTheRedoSteps) {
    layPanel({30, 30});
    layPanel({31, 30});
    layPanel({32, 30});
    room->undo();
    room->undo();
    EXPECT_TRUE(room->canRedo);

    layPanel({35, 35});
    EXPECT_FALSE(room->canRedo);
    EXPECT_EQ(room->undoList.size(), 3u);
    room->redo();
    EXPECT_EQ(room->cell(31, 30), -1) << "the undone edits are gone";
    room->undo();
    EXPECT_EQ(room->cell(35, 35), -1);
    EXPECT_EQ(room->cell(30, 30), Panel);
}

TEST_F(UndoTest, AStepBeyondALoweredLimitStillDropsTheRedoTail) {
    for (int i = 0; i < 10; ++i) {
        layPanel({29 + i, 30});
    }
    room->undo(); // the tenth panel is undone
    room->undoLimit = 5;
    layPanel({29, 35});
    EXPECT_EQ(room->undoList.size(), 6u);
    room->undo();
    EXPECT_EQ(room->cell(29, 35), -1);
    EXPECT_EQ(room->cell(37, 30), Panel);
    EXPECT_EQ(room->cell(38, 30), -1) << "the undone tenth panel never comes back";
}

TEST_F(UndoTest, UndoBringsBackOutlinePanelsAndObjectsTogether) {
    layPanel({30, 30}, BigPanel);
    room->paint();
    room->normaliseCoveredCells();
    addObject(Lamp, KindAppliance, {1050, 1050}, 0).selected = true;
    addObject(Chandelier, KindFloating, {900, 880}, 1);
    room->recount();
    room->recordStep();
    const RoomState before(*room);
    const double bigPanels = quantityOf(*room, BigPanel);

    // One edit that changes everything at once.
    room->wall.setOutline({{750, 800}, {1250, 800}, {1250, 1200}, {750, 1200}}, {});
    room->setTool(FirstDesignTool);
    room->removePanel({31, 31});
    room->currentProduct = {Panel, KindSquarePanel, 0};
    room->placePanel({33, 34}, 2);
    room->objects[0]->x = 800;
    room->objects[0]->selected = false;
    room->objects[1]->orientation = 3;
    room->objects.pop_back();
    room->recount();
    room->recordStep();
    const RoomState after(*room);
    ASSERT_FALSE(after == before);

    room->undo();
    EXPECT_EQ(RoomState(*room), before);
    EXPECT_EQ(quantityOf(*room, BigPanel), bigPanels);
    EXPECT_EQ(quantityOf(*room, Chandelier), 1);
    room->redo();
    EXPECT_EQ(RoomState(*room), after);
    EXPECT_EQ(quantityOf(*room, BigPanel), 0);
}

TEST_F(UndoTest, UndoRemovesPanelsLaidOutsideTheOlderRange) {
    // One edit widens the walls and lays a panel beyond the 3 x 3 m room's range.
    const QList<QPoint> large{{400, 400}, {1600, 400}, {1600, 1600}, {400, 1600}};
    room->wall.setOutline(large, {});
    room->setTool(FirstDesignTool);
    layPanel({16, 16});

    room->undo();
    EXPECT_EQ(room->cell(16, 16), -1);
    // Walls widened again without the panel: it must not come back.
    room->wall.setOutline(large, {});
    room->setTool(FirstDesignTool);
    room->recount();
    EXPECT_EQ(quantityOf(*room, Panel), 0);
    EXPECT_EQ(room->cell(16, 16), -1);
    room->redo();
    EXPECT_EQ(room->cell(16, 16), Panel);
}

TEST_F(UndoTest, RestoringRebuildsTheMaskAndPaints) {
    room->makeRectangle(1000, 200);
    room->setTool(FirstDesignTool);
    ASSERT_TRUE(room->insideMask(600, 1000));
    const int presented = canvas.presented;
    room->undo();
    EXPECT_FALSE(room->insideMask(600, 1000));
    EXPECT_TRUE(room->insideMask(1000, 1000));
    EXPECT_GT(canvas.presented, presented);
}

TEST_F(UndoTest, UndoInWallModeCountsAgainstTheOutlineItRestores) {
    for (int c = 29; c <= 39; ++c) {
        for (int r = 29; r <= 39; ++r) {
            room->currentProduct = {Panel, KindSquarePanel, 0};
            room->placePanel({c, r}, 0);
        }
    }
    room->recount();
    room->recordStep();
    const double wholeRoom = quantityOf(*room, Panel);

    // In wall mode the right wall moves in by half, then a step keeps that outline (a
    // press and release on a corner): neither draws the mask.
    room->editMode = EditAdjustWalls;
    room->setTool(ToolEditWalls);
    QList<QPoint> narrower = room->wall.corners();
    for (QPoint& corner : narrower) {
        corner.setX(std::min(corner.x(), 1000));
    }
    room->wall.setOutline(narrower, {});
    room->recordStep();
    room->recordStep();

    room->undo();
    EXPECT_EQ(room->wall.corners(), narrower);
    EXPECT_FALSE(room->insideMask(1100, 1000)) << "the mask shows the restored outline";
    const double counted = quantityOf(*room, Panel);
    EXPECT_LT(counted, wholeRoom);
    room->rebuildMask();
    room->recount();
    EXPECT_EQ(counted, quantityOf(*room, Panel));

    // Back in design mode, undo and redo between outlines keep mask and count together.
    room->editMode = EditDesign;
    room->setTool(FirstDesignTool);
    room->undo();
    EXPECT_TRUE(room->insideMask(1100, 1000));
    EXPECT_EQ(quantityOf(*room, Panel), wholeRoom);
    room->redo();
    EXPECT_FALSE(room->insideMask(1100, 1000));
    EXPECT_EQ(quantityOf(*room, Panel), counted);
}

TEST_F(UndoTest, NothingIsRecordedWhileHistoryIsSuppressed) {
    room->historySuppressed = true;
    room->currentProduct = {Panel, KindSquarePanel, 0};
    room->placePanel({30, 30}, 0);
    room->recordStep();
    EXPECT_EQ(room->undoList.size(), 1u);
    EXPECT_FALSE(room->canUndo);
    EXPECT_TRUE(room->roomChanged) << "the changed flag stays for the step not taken";
}

TEST_F(UndoTest, ASnapshotKeepsOnlyTheActiveRange) {
    const historyrec& small = *room->undoList.back();
    room->makeRectangle(1200, 1200);
    room->setTool(FirstDesignTool);
    room->recordStep();
    const historyrec& large = *room->undoList.back();
    const qint64 cells =
        qint64(room->lastColumn - room->firstColumn + 1) * (room->lastRow - room->firstRow + 1);
    EXPECT_EQ(large.cellStream.size(), cells * historyrec::CellRecordSize);
    EXPECT_GT(large.byteSize(), small.byteSize());
    EXPECT_LT(large.byteSize(), 100'000) << "far below the whole 5 MB grid";
}

} // namespace
