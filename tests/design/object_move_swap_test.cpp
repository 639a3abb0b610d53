#include "object_fixture.h"

#include "library/product_library.h"

#include <gtest/gtest.h>

using namespace object_sample;

namespace {

class MoveTool : public ObjectTest {
protected:
    bool cornersInside(const tdianqi_rec& object) const {
        const ObjectBox& r = object.planRect;
        return room->insideMask(r.left, r.top) && room->insideMask(r.right, r.top) &&
               room->insideMask(r.left, r.bottom) && room->insideMask(r.right, r.bottom);
    }
};

} // namespace

TEST_F(MoveTool, APressOnAnObjectStartsTheDragAndTheDropSeatsIt) {
    tdianqi_rec& light = place(Appliance, KindAppliance, 1110, 1110);
    pressAt({1120, 1120});
    EXPECT_EQ(room->tool, DesignSelectionDrag);
    EXPECT_TRUE(light.selected);
    EXPECT_EQ(light.savedX, 1110);
    moveTo({1090, 1100});
    EXPECT_EQ(light.x, 1080);
    EXPECT_EQ(light.y, 1090);
    const int steps = undoSteps();
    releaseAt({1090, 1100});
    EXPECT_EQ(room->tool, DesignMoveSwap);
    EXPECT_EQ(light.x, 1080) << "seated on the cell under its corner";
    EXPECT_EQ(light.y, 1080);
    EXPECT_EQ(undoSteps(), steps + 1);
    EXPECT_TRUE(room->roomModified);
}

TEST_F(MoveTool, ADroppedApplianceThatOverlapsAnotherReturnsAndKeepsThePanelsWhereItWasLet) {
    room->currentProduct = {Panel600, KindSquarePanel, 0};
    ASSERT_TRUE(room->placePanel({31, 32}, 0)); // 900..960 x 930..990
    room->currentProduct = {};
    room->paint();
    place(LongAppliance, KindAppliance, 900, 900); // 900..930 x 900..960, not seated
    tdianqi_rec& moved = place(Appliance, KindAppliance, 1110, 1110);
    drag({1120, 1120}, {935, 955});
    EXPECT_EQ(moved.x, 1110) << "back where the drag started";
    EXPECT_EQ(moved.y, 1110);
    EXPECT_EQ(room->tool, DesignMoveSwap);
    EXPECT_EQ(room->cell(31, 32), Panel600)
        << "the panel reaching out of the refused place is not taken out";

    // A floating product returns from over an appliance as well.
    tdianqi_rec& floating = place(SmallFloating, KindFloating, 1050, 1050);
    room->clearSelection();
    drag({1055, 1055}, {915, 915}, 2);
    EXPECT_EQ(floating.x, 1050);
    EXPECT_EQ(floating.y, 1050);
}

TEST_F(MoveTool, AfterARefusedSeatingTheSelectionKeepsFollowingThePointer) {
    tdianqi_rec& small = place(SmallAppliance, KindAppliance, 1000, 1000);
    drag({1010, 1010}, {1040, 1010});
    EXPECT_EQ(room->tool, DesignSelectionDrag) << "250 mm cannot be seated on 300 mm cells";
    EXPECT_EQ(small.x, 1020) << "snapped to its cell all the same";
    EXPECT_EQ(small.y, 990);
    moveTo({1100, 1100});
    EXPECT_EQ(small.x, 1090) << "10 cm left of the pointer, as when it was taken";
    EXPECT_EQ(small.y, 1090);
    releaseAt({1100, 1100});
    EXPECT_EQ(room->tool, DesignSelectionDrag);

    tdianqi_rec& light = place(Appliance, KindAppliance, 900, 900);
    small.selected = false;
    light.selected = true;
    releaseAt({1100, 1100});
    EXPECT_EQ(room->tool, DesignMoveSwap) << "every selected appliance seated";
}

TEST_F(MoveTool, AnObjectDraggedTowardsAWallStaysInsideWhileTheOthersMove) {
    room->snapRulerX = room->snapRulerY = false;
    tdianqi_rec& nearWall = place(SmallFloating, KindFloating, 910, 1000);
    tdianqi_rec& inside = place(SmallFloating, KindFloating, 1000, 1000);
    click(1005, 1005);
    room->pointerPress(canvasOf(915, 1005), Qt::LeftButton, Qt::ControlModifier);
    ASSERT_TRUE(nearWall.selected);
    ASSERT_TRUE(inside.selected) << "Ctrl adds to the selection";
    ASSERT_EQ(room->tool, DesignSelectionDrag);
    moveTo({885, 1005});
    EXPECT_EQ(nearWall.x, 910) << "its left corners would leave the room";
    EXPECT_EQ(inside.x, 970);

    for (int x = 880; x >= 700; x -= 7) {
        moveTo({x, 1005});
    }
    releaseAt({700, 1005});
    EXPECT_GE(nearWall.x, 900);
    EXPECT_TRUE(cornersInside(nearWall)) << nearWall.x << "," << nearWall.planRect.left;
    EXPECT_TRUE(cornersInside(inside)) << inside.x << "," << inside.planRect.left;
    EXPECT_EQ(room->objects.size(), 2u) << "nothing left the room, so the count keeps both";
}

TEST_F(MoveTool, APressOutsideTheRoomClearsTheSelection) {
    tdianqi_rec& light = place(Appliance, KindAppliance, 1100, 1100);
    light.selected = true;
    room->pointerPress(canvasOf(800, 800), Qt::LeftButton, {});
    EXPECT_FALSE(light.selected);
    EXPECT_EQ(room->tool, DesignMoveSwap);
    room->pointerPress(canvasOf(1110, 1110), Qt::RightButton, {});
    EXPECT_FALSE(light.selected) << "a right press selects nothing";
}

TEST_F(MoveTool, ADroppedObjectSnapsToAGridLineWithin4Centimetres) {
    tdianqi_rec& near = place(SmallFloating, KindFloating, 1000, 1015);
    drag({1010, 1025}, {943, 1025}, 1);
    EXPECT_EQ(near.x, 930) << "3 cm right of the line at 930";
    EXPECT_EQ(near.y, 1015) << "5 cm above the line at 1020 is too far";

    room->clearSelection();
    tdianqi_rec& far = place(SmallFloating, KindFloating, 1100, 1100);
    drag({1110, 1110}, {1085, 1110}, 1);
    EXPECT_EQ(far.x, 1075) << "5 cm right of the line at 1070 stays";

    room->snapRulerX = room->snapRulerY = false;
    room->clearSelection();
    drag({940, 1025}, {943, 1025}, 1);
    EXPECT_EQ(near.x, 933) << "no snapping with the option off";
}

TEST_F(MoveTool, ObjectsSnappingApartKeepStillWhileThePointerRests) {
    // b snaps onto the line at 1110 while a lies far from any line.
    tdianqi_rec& a = place(SmallFloating, KindFloating, 1002, 1002);
    tdianqi_rec& b = place(SmallFloating, KindFloating, 1102, 1002);
    a.selected = b.selected = true;
    pressAt({1010, 1010});
    moveTo({1014, 1010});
    EXPECT_EQ(a.x, 1006);
    EXPECT_EQ(b.x, 1110) << "4 cm from the line";
    for (int i = 0; i < 5; ++i) {
        moveTo({1014, 1010});
    }
    EXPECT_EQ(a.x, 1006) << "nothing moves while the pointer rests";
    EXPECT_EQ(b.x, 1110);
    moveTo({1040, 1010});
    EXPECT_EQ(a.x, 1032);
    EXPECT_EQ(b.x, 1132) << "off the line again, 30 cm from where it was taken";
}
