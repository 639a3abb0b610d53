#include "object_fixture.h"

#include "design/floating_arrangement.h"
#include "library/product_library.h"

#include <gtest/gtest.h>

using namespace object_sample;
using namespace floating_arrangement;

namespace {

class Arrangement : public ObjectTest {
protected:
    tdianqi_rec& selectedAt(int id, int x, int y) {
        tdianqi_rec& object = place(id, KindFloating, x, y);
        object.selected = true;
        return object;
    }
    void pointAt(int planX, int planY) { room->pointerMove(canvasOf(planX, planY), {}); }
};

} // namespace

TEST_F(Arrangement, SpacingKeepsTheEndsAndSharesTheSteps) {
    // Listed out of order: the spacing goes by position, not by list order.
    tdianqi_rec& last = selectedAt(SmallFloating, 990, 1000);
    tdianqi_rec& second = selectedAt(SmallFloating, 910, 1000);
    tdianqi_rec& first = selectedAt(SmallFloating, 900, 950);
    tdianqi_rec& third = selectedAt(SmallFloating, 911, 1100);
    pointAt(905, 955);
    const int steps = undoSteps();
    room->floatingArrangement(SpaceAcross);
    EXPECT_EQ(first.x, 900);
    EXPECT_EQ(second.x, 930);
    EXPECT_EQ(third.x, 960);
    EXPECT_EQ(last.x, 990);
    EXPECT_EQ(third.y, 1100) << "spacing across leaves y alone";
    EXPECT_EQ(undoSteps(), steps + 1);

    room->floatingArrangement(SpaceDown);
    // Ordered by y: 950 (first), 1000 (last, then second before it), 1100 (third).
    EXPECT_EQ(first.y, 950);
    EXPECT_EQ(second.y, 1000);
    EXPECT_EQ(last.y, 1050);
    EXPECT_EQ(third.y, 1100);
}

TEST_F(Arrangement, FewerThanThreeObjectsAreNotSpacedAndNothingHappensWithoutAReference) {
    tdianqi_rec& a = selectedAt(SmallFloating, 900, 950);
    tdianqi_rec& b = selectedAt(SmallFloating, 1000, 950);
    pointAt(905, 955);
    room->floatingArrangement(SpaceAcross);
    EXPECT_EQ(a.x, 900);
    EXPECT_EQ(b.x, 1000);

    pointAt(1150, 1150); // over no object
    const int steps = undoSteps();
    room->floatingArrangement(AlignLefts);
    EXPECT_EQ(b.x, 1000);
    EXPECT_EQ(undoSteps(), steps);
}

TEST_F(Arrangement, EdgesAlignToTheReference) {
    tdianqi_rec& big = selectedAt(Floating, 1000, 1010);          // 50 x 50 cm
    tdianqi_rec& reference = selectedAt(SmallFloating, 920, 930); // 20 x 20 cm, on top
    tdianqi_rec& unselected = place(SmallFloating, KindFloating, 1100, 1100);
    pointAt(925, 935);
    room->floatingArrangement(AlignRights);
    EXPECT_EQ(big.x, 890) << "its right edge meets the reference's at 940";
    EXPECT_EQ(reference.x, 920);
    EXPECT_EQ(unselected.x, 1100);
    room->floatingArrangement(AlignBottoms);
    EXPECT_EQ(big.y, 900);
    room->floatingArrangement(AlignTops);
    EXPECT_EQ(big.y, 930);
    room->floatingArrangement(AlignLefts);
    EXPECT_EQ(big.x, 920);
    EXPECT_EQ(unselected.y, 1100);
}

TEST(ArrangementOverAPanel, TwoProductsShareAPanelInEqualSlots) {
    // 200 mm cells so that a 600 mm panel can start at 100 cm.
    TestLibrary library;
    sample::addProducts(library);
    library.addProduct(SmallFloating, 2, QStringLiteral("小吊灯"), KindFloating, 200, 200);
    auto room = designRoom(library, SquarePanelRoom, 200);
    setOutline(*room, rectangleCorners(40, 40, 400, 400));
    room->currentProduct = {sample::Panel600, KindSquarePanel, 0};
    ASSERT_TRUE(room->placePanel({6, 6}, 0));
    ASSERT_EQ(room->cellRectangle({6, 6}).left, 1000);
    room->normaliseCoveredCells();
    tdianqi_rec& a = addObject(*room, SmallFloating, KindFloating, 150, 110);
    tdianqi_rec& b = addObject(*room, SmallFloating, KindFloating, 110, 140);
    for (tdianqi_rec* object : {&a, &b}) {
        object->selected = true;
        room->refreshObjectRectangles(*object);
    }
    room->pointerPoint = room->wall.planToCanvas({115, 145}); // over b, on a covered cell
    room->floatingArrangement(ShareOverPanel);
    EXPECT_EQ(b.x, 105);
    EXPECT_EQ(a.x, 135);
    EXPECT_EQ(a.y, 120);
    EXPECT_EQ(b.y, 120);

    // Turned a quarter, the panel's slots run down it.
    room->cellAttribute(6, 6) = 1;
    room->pointerPoint = room->wall.planToCanvas({110, 125}); // over b again
    room->floatingArrangement(ShareOverPanel);
    EXPECT_EQ(b.y, 105) << "ordered by y; of two at 120 the later in the list goes first";
    EXPECT_EQ(a.y, 135);
    EXPECT_EQ(a.x, 120);
}

TEST_F(Arrangement, SendingTheTopmostToTheBottomDrawsItFirst) {
    tdianqi_rec& lower = place(Floating, KindFloating, 920, 920); // 920..970
    tdianqi_rec& upper = place(Floating, KindFloating, 950, 950); // 950..1000
    upper.selected = true;
    pointAt(980, 980);
    ASSERT_EQ(room->hitTest(canvasOf(960, 960)), 1);
    room->floatingArrangement(ToBottom);
    ASSERT_EQ(room->objects.size(), 2u);
    EXPECT_EQ(room->objects.front().get(), &upper);
    EXPECT_EQ(room->objects.back().get(), &lower);
    EXPECT_TRUE(upper.selected);
    EXPECT_EQ(room->hitTest(canvasOf(960, 960)), 1) << "where both lie the other one is hit";
    EXPECT_EQ(room->hitTest(canvasOf(990, 990)), 0) << "it is hit where nothing covers it";

    pointAt(960, 960);
    room->floatingArrangement(ToTop);
    EXPECT_EQ(room->objects.back().get(), &lower) << "the reference is the one under the pointer";
    room->floatingArrangement(ToBottom);
    EXPECT_EQ(room->objects.front().get(), &lower);
}
