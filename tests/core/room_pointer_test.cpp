#include "core/tdianqi_rec.h"
#include "core/troom_obj.h"

#include "fake_canvas.h"

#include <gtest/gtest.h>

namespace {

class RoomPointer : public ::testing::Test {
protected:
    RoomPointer()
        : canvas(800, 600), room(canvasContext(&canvas), 300, 300, SquarePanelRoom, true) {
        room.wall.setOutline({{100, 100}, {300, 100}, {300, 300}}, {});
    }

    void enterDesignMode(quint8 tool) {
        room.editMode = EditDesign;
        room.setTool(tool);
    }

    FakeCanvas canvas;
    TRoom_OBJ room;
};

} // namespace

TEST_F(RoomPointer, ADoubleClickInWallModeCentresTheView) {
    // Tool code 2 has no layer of its own: this test sees the view alone, not the wall
    // painter, which also keeps the plan's edge near the canvas edge.
    room.tool = 2;
    room.pointerDoubleClick({10, 10}, Qt::LeftButton, Qt::NoModifier);
    EXPECT_EQ(room.wall.planToCanvas({200, 200}), QPoint(400, 300));
}

TEST_F(RoomPointer, EventsFollowTheHandlersBoundBySetTool) {
    const QPoint origin = room.wall.getOrigin();
    room.editMode = EditDesign;
    room.pointerDoubleClick({10, 10}, Qt::LeftButton, Qt::NoModifier);
    EXPECT_NE(room.wall.getOrigin(), origin) << "still bound to the wall handlers";

    // A press of the view tool starts dragging the plan only in the design handlers.
    room.setTool(DesignViewTool);
    room.pointerPress({10, 10}, Qt::LeftButton, Qt::NoModifier);
    EXPECT_EQ(room.tool, DesignPlanDrag) << "now bound to the design handlers";

    room.tool = DesignViewTool;
    room.editMode = EditAdjustWalls;
    room.setCanvas(&canvas);
    room.pointerPress({10, 10}, Qt::LeftButton, Qt::NoModifier);
    EXPECT_EQ(room.tool, DesignViewTool) << "setCanvas binds by the edit mode too";
}

TEST_F(RoomPointer, ThePopupIsTheOneOfTheBoundMode) {
    room.popupRequested({30, 40});
    EXPECT_EQ(canvas.shownPopup, &room.wallPopup);
    EXPECT_EQ(canvas.popupAt, QPoint(30, 40));
    enterDesignMode(9);
    room.popupRequested({50, 60});
    EXPECT_EQ(canvas.shownPopup, &room.designPopup);
    EXPECT_EQ(&room.boundPopup(), &room.designPopup);
}

TEST_F(RoomPointer, DesignModeBuildsTheActiveRangeAndTheMask) {
    ASSERT_EQ(room.maskPixel(200, 200), colors::White);
    enterDesignMode(9);
    EXPECT_EQ(room.maskPixel(250, 150), colors::Black);
    EXPECT_EQ(room.lastColumn, 10 + 1 + 5);
    EXPECT_EQ(room.roomBox.maxX, 300);
}

TEST_F(RoomPointer, SetToolForgetsTheRectangleStartAndClearsSelectionsForSomeTools) {
    room.rectangleStart = QPoint(5, 5);
    room.setTool(ToolDrawWalls);
    EXPECT_EQ(room.tool, ToolDrawWalls);
    EXPECT_EQ(room.rectangleStart.x(), TRoom_OBJ::NoRectangleStart);

    room.objects.push_back(std::make_unique<tdianqi_rec>());
    const auto selectAndSet = [this](quint8 tool) {
        room.objects.front()->selected = true;
        room.setTool(tool);
        return room.objects.front()->selected;
    };
    EXPECT_FALSE(selectAndSet(9));
    EXPECT_FALSE(selectAndSet(10));
    EXPECT_TRUE(selectAndSet(11));
    EXPECT_TRUE(selectAndSet(14));
    EXPECT_FALSE(selectAndSet(15));
    EXPECT_FALSE(selectAndSet(20));
    EXPECT_TRUE(selectAndSet(21));
}
