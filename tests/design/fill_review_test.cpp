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

} // namespace
