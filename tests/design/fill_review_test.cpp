#include "fill_fixture.h"

#include "library/product_library.h"

using namespace sample;

namespace {

class FillEdges : public FillTest {};

// The room spans canvas 200..500 on both axes.
TEST_F(FillEdges, ARectangleDraggedWhollyBesideTheRoomLaysNothing) {
    choose(DesignRectangleFill, Panel300, KindSquarePanel);
    drag({150, 300}, {180, 320});
    drag({300, 520}, {350, 560});
    EXPECT_EQ(anchorsOf(Panel300, 1, 1, 100, 100), 0);
    EXPECT_EQ(room->tool, DesignRectangleFill);
    EXPECT_EQ(undoSteps(), 0);
    // A drag that reaches into the room still lays.
    drag({150, 300}, {215, 300});
    EXPECT_EQ(room->cell(31, 34), Panel300);
}

TEST_F(FillEdges, AnApplianceRefusedAtARectangleReleaseRecordsNoStep) {
    placeEverywhere(*room, Panel600, 33, 33, 33, 33);
    room->paint();
    room->recount();
    addObject(*room, Appliance300, KindAppliance, 960, 960);
    room->recordStep();
    // Seated at (33, 33) the new appliance would take the 600 mm panel out; it overlaps
    // the one there and is refused, and the room goes back to its recorded step.
    choose(DesignRectangleFill, fill_sample::OtherAppliance300, KindAppliance);
    click(centre(33, 33));
    ASSERT_EQ(prompts.messages(), QStringList{QStringLiteral("电器不能放在电器或者悬浮产品上.")});
    EXPECT_EQ(room->objects.size(), 1u);
    EXPECT_EQ(room->cell(33, 33), Panel600);
    EXPECT_EQ(undoSteps(), 1);
}

class StripEdges : public FillTest {
protected:
    StripEdges() : FillTest(StripsAlongColumns) {}
};

TEST_F(StripEdges, TheRegionReplacedFromAColumnBesideTheActiveRangeStaysInsideIt) {
    // The active range runs over columns 25..46; column 20 lies at 570..600 cm.
    ASSERT_EQ(room->firstColumn, 25);
    ASSERT_EQ(room->lastColumn, 46);
    room->currentProduct = {fill_sample::Strip, KindStrip, 0};
    room->pointerPoint = room->wall.planToCanvas({585, 950});
    room->replace(2);
    for (int c = 1; c <= 100; ++c) {
        EXPECT_EQ(room->cell(c, 1), -1) << c;
    }
    // From a column inside the range the run of empty columns is laid, and no further.
    room->pointerPoint = centre(35, 35);
    room->replace(2);
    EXPECT_EQ(room->cell(24, 1), -1);
    EXPECT_EQ(room->cell(25, 1), fill_sample::Strip);
    EXPECT_EQ(room->cell(46, 1), fill_sample::Strip);
    EXPECT_EQ(room->cell(47, 1), -1);
}

} // namespace
