#include "render_fixture.h"

#include "library/product_library.h"

#include <gtest/gtest.h>

using namespace paint_sample;

namespace {

class StripColumnsRender : public RenderTest {
protected:
    StripColumnsRender() : RenderTest(StripsAlongColumns) {}
};

class StripRowsRender : public RenderTest {
protected:
    StripRowsRender() : RenderTest(StripsAlongRows) {}
};

int countOf(const QImage& image, const QRect& area, TColor colour) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += fromQRgb(image.pixel(x, y)) == colour;
        }
    }
    return count;
}

} // namespace

TEST_F(RenderTest, ARoomWithTwoCornersDrawsNothing) {
    useOutline({{900, 900}, {1200, 1200}});
    placeEverywhere(*room, Panel, 31, 31, 40, 40);
    painted();
    EXPECT_EQ(at(215, 215), colors::White);
    EXPECT_EQ(at(350, 350), colors::White);
    EXPECT_EQ(at(0, 0), colors::Black) << "the canvas frame is still drawn";
}

TEST_F(RenderTest, PanelsEmptyCellsAndTheOutsideOfTheRoom) {
    room->currentProduct = {Panel, KindSquarePanel, 0};
    room->placePanel({31, 31}, 0);
    painted();
    EXPECT_EQ(at(215, 215), PanelColour) << "inside the panel";
    EXPECT_EQ(at(230, 215), Grey) << "the panel's right edge";
    EXPECT_EQ(at(260, 215), Grey) << "a grid line between empty cells";
    EXPECT_EQ(at(245, 245), Ceiling) << "an empty cell";
    EXPECT_EQ(at(200, 300), colors::Black) << "the wall";
    EXPECT_EQ(at(100, 100), colors::White) << "outside the room";
    EXPECT_EQ(at(600, 300), colors::White);
}

TEST_F(RenderTest, ASquarePictureIsStretchedOverItsOneByTwoBlock) {
    room->currentProduct = {TallPanel, KindSquarePanel, 0};
    room->placePanel({31, 31}, 0);
    painted();
    // The block is 200..230 x 200..260; its picture fills 201..229 x 201..259.
    EXPECT_EQ(at(215, 210), TopColour);
    EXPECT_EQ(at(215, 225), TopColour);
    EXPECT_EQ(at(215, 240), BottomColour);
    EXPECT_EQ(at(215, 257), BottomColour);
    EXPECT_EQ(at(215, 260), Grey) << "the block's bottom edge";
    EXPECT_NE(at(215, 230), Grey) << "no grid line inside the block";
    EXPECT_EQ(room->cell(31, 32), TRoom_OBJ::coveredCellValue({31, 31}));
}

TEST_F(RenderTest, AnAnchorThatNoLongerFitsIsEmptiedAndDrawnEmpty) {
    room->currentProduct = {Panel, KindSquarePanel, 0};
    room->placePanel({33, 33}, 0);
    room->cell(33, 0) = 250; // the column shrinks under the panel
    painted();
    EXPECT_EQ(room->cell(33, 33), -1);
    EXPECT_EQ(at(272, 272), Ceiling);
}

TEST_F(RenderTest, FloatingProductsLeaveTheirKeyColourOutAppliancesDoNot) {
    placeEverywhere(*room, Panel, 31, 31, 40, 40);
    addObject(*room, Floating, KindFloating, 950, 950);
    addObject(*room, Appliance, KindAppliance, 1050, 1050);
    painted();
    EXPECT_EQ(at(275, 275), CentreColour);
    EXPECT_EQ(at(252, 252), PanelColour) << "a transparent pixel shows the panel below";
    EXPECT_EQ(at(297, 280), PanelColour);
    EXPECT_EQ(at(365, 365), CentreColour);
    EXPECT_EQ(at(351, 351), KeyColour) << "an appliance is opaque";

    const tdianqi_rec& floating = *room->objects[0];
    EXPECT_EQ(floating.canvasRect.left, 250);
    EXPECT_EQ(floating.canvasRect.top, 250);
    EXPECT_EQ(floating.canvasRect.right, 300);
    EXPECT_EQ(floating.canvasRect.bottom, 300);
    EXPECT_EQ(floating.planRect.right, 1000);
    EXPECT_EQ(floating.planRect.bottom, 1000);
}

TEST_F(RenderTest, ObjectsOfUnknownProductsAreSkipped) {
    tdianqi_rec& unknown = addObject(*room, 999, KindFloating, 950, 950);
    painted();
    EXPECT_EQ(at(275, 275), Ceiling);
    EXPECT_EQ(unknown.canvasRect.right, 0) << "no rectangle for an object not drawn";
}

TEST_F(RenderTest, SelectionDraggedRectangleAndGhost) {
    tdianqi_rec& floating = addObject(*room, Floating, KindFloating, 950, 950);
    painted();
    floating.selected = true;
    room->showSelectedProduct = true;
    room->currentProduct = {Panel, KindSquarePanel, 0};
    room->pointerPoint = {420, 420};
    painted();
    EXPECT_EQ(at(251, 275), colors::Red) << "one pixel inside the object";
    EXPECT_EQ(at(298, 275), colors::Red);
    EXPECT_EQ(at(420, 420), Ceiling) << "no ghost while an object is selected";
    EXPECT_TRUE(room->productGhost);

    floating.selected = false;
    painted();
    EXPECT_NE(at(251, 275), colors::Red);
    // The ghost is 30 x 30 pixels centred on the pointer, outlined black.
    EXPECT_EQ(at(420, 420), PanelColour);
    EXPECT_EQ(at(405, 420), colors::Black);
    EXPECT_EQ(at(434, 420), colors::Black);
    EXPECT_EQ(at(420, 405), colors::Black);
    EXPECT_EQ(at(403, 420), Ceiling);

    room->showSelectedProduct = false;
    room->tool = 14;
    room->dragRectangleStart = {420, 465};
    room->dragRectangleEnd = {220, 415};
    const QImage& frame = painted();
    EXPECT_FALSE(room->productGhost);
    EXPECT_NE(at(420, 420), PanelColour);
    const int dotted = countOf(frame, QRect(221, 415, 199, 1), Grey);
    EXPECT_GT(dotted, 50) << "the top side is dotted grey";
    EXPECT_LT(dotted, 190);
    EXPECT_GT(countOf(frame, QRect(420, 416, 1, 49), Grey), 10) << "the right side";
}

TEST_F(RenderTest, MarksStayUnderTheMask) {
    room->showSelectedProduct = true;
    room->currentProduct = {Panel, KindSquarePanel, 0};
    room->pointerPoint = {495, 300};
    painted();
    EXPECT_EQ(at(490, 300), PanelColour);
    EXPECT_EQ(at(500, 300), colors::Black) << "the wall over the ghost";
    EXPECT_EQ(at(505, 300), colors::White) << "the ghost is blanked outside the room";
}

TEST_F(StripColumnsRender, StripsRunDownTheirColumnsOnlyWhereTheWidthMatches) {
    room->cell(31, 1) = Strip;
    room->cell(32, 1) = Strip;
    room->cell(32, 0) = 250; // no longer the strip's width
    room->cell(34, 1) = -7;
    painted();
    EXPECT_EQ(at(215, 210), StripColour);
    EXPECT_EQ(at(215, 300), StripColour);
    EXPECT_EQ(at(215, 490), StripColour);
    EXPECT_EQ(at(230, 300), Grey) << "the line of the column that lost its strip";
    EXPECT_EQ(at(240, 300), Ceiling) << "only its line";
    EXPECT_EQ(at(245, 315), Ceiling) << "no row lines in a strip room";
    EXPECT_EQ(room->cell(34, 1), -1) << "a strip entry below 0 is emptied";
}

TEST_F(StripRowsRender, StripsRunAlongTheirRows) {
    room->cell(1, 31) = Strip;
    room->cell(1, 33) = Strip;
    painted();
    EXPECT_EQ(at(210, 215), StripColour);
    EXPECT_EQ(at(480, 215), StripColour);
    EXPECT_EQ(at(300, 230), Grey) << "the line of row 32";
    EXPECT_EQ(at(300, 245), Ceiling);
    EXPECT_EQ(at(300, 275), StripColour);
}

TEST_F(StripColumnsRender, TheGhostOfAStripLiesAlongTheColumns) {
    room->showSelectedProduct = true;
    room->currentProduct = {Strip, KindStrip, 0};
    room->pointerPoint = {350, 300};
    painted();
    // Turned: 30 pixels across, 100 down.
    EXPECT_EQ(at(335, 340), colors::Black);
    EXPECT_EQ(at(350, 345), StripColour);
    EXPECT_EQ(at(385, 300), Ceiling);
}

TEST_F(StripRowsRender, TheGhostOfAStripLiesAlongTheRows) {
    room->showSelectedProduct = true;
    room->currentProduct = {Strip, KindStrip, 1};
    room->pointerPoint = {350, 300};
    painted();
    EXPECT_EQ(at(390, 285), colors::Black);
    EXPECT_EQ(at(395, 300), StripColour);
    EXPECT_EQ(at(350, 330), Ceiling);
}

TEST_F(RenderTest, PanelsCutByTheCanvasEdgeShowTheirVisiblePart) {
    placeEverywhere(*room, Panel, 31, 31, 40, 40);
    room->wall.setOrigin({-916, -916}); // the room's top-left corner at (-16, -16)
    painted();
    EXPECT_EQ(at(5, 5), PanelColour);
    EXPECT_EQ(at(14, 5), Grey) << "the first column's right edge";
    EXPECT_EQ(at(20, 20), PanelColour);
    room->wall.setOrigin({-250, -450}); // its right-hand panels beyond the canvas
    painted();
    EXPECT_EQ(at(795, 560), PanelColour);
    EXPECT_EQ(at(770, 560), Grey);
}
