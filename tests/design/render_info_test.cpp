#include "render_fixture.h"

#include "library/product_library.h"

#include <gtest/gtest.h>

using namespace paint_sample;

namespace {

class StripColumnsInfo : public RenderTest {
protected:
    StripColumnsInfo() : RenderTest(StripsAlongColumns) {}
};

class StripRowsInfo : public RenderTest {
protected:
    StripRowsInfo() : RenderTest(StripsAlongRows) {}
};

QStringList lines(std::initializer_list<const char*> texts) {
    QStringList result;
    for (const char* text : texts) {
        result << QString::fromUtf8(text);
    }
    return result;
}

} // namespace

TEST_F(RenderTest, TheBoxOverAnEmptyCellNamesItsSizeColumnAndRow) {
    painted();
    EXPECT_EQ(room->informationLines({245, 275}),
              lines({"普通模式，无产品", "格子宽：300毫米32", "格子高：300毫米33"}));
    EXPECT_EQ(room->informationLines({100, 100}), std::nullopt) << "outside the room";
}

TEST_F(RenderTest, TheBoxOverAPanelOrAnObjectNamesTheProduct) {
    room->currentProduct = {TallPanel, KindSquarePanel, 1};
    room->placePanel({31, 31}, 1);
    addObject(*room, Floating, KindFloating, 1050, 1050);
    painted();
    const QStringList panel = lines({"方扣板：长板", "宽：600毫米   高：300毫米"});
    EXPECT_EQ(room->informationLines({215, 215}), panel);
    EXPECT_EQ(room->informationLines({245, 215}), panel) << "a covered cell tells its anchor";
    EXPECT_EQ(room->informationLines({375, 375}),
              lines({"悬浮：吊灯", "宽：500毫米   高：500毫米"}));
}

TEST_F(StripColumnsInfo, TheBoxOverAStripColumnGivesItsLength) {
    room->cell(31, 1) = Strip;
    room->cell(31, 2) = 287;
    painted();
    EXPECT_EQ(room->informationLines({215, 300}),
              lines({"条扣板：条板", "宽：300毫米    长:287厘米"}));
    EXPECT_EQ(room->informationLines({245, 300}),
              lines({"垂直条扣模式,无产品", "格子宽：300毫米"}));
}

TEST_F(StripRowsInfo, TheBoxOverAStripRowGivesItsLength) {
    room->cell(1, 31) = Strip;
    room->cell(2, 31) = 150;
    painted();
    EXPECT_EQ(room->informationLines({300, 215}),
              lines({"条扣板：条板", "高：300毫米     长:150厘米"}));
    EXPECT_EQ(room->informationLines({300, 245}),
              lines({"水平条扣模式,无产品", "格子高：300毫米"}));
}

TEST_F(RenderTest, TheViewToolDrawsTheYellowBoxBelowThePointer) {
    room->tool = 20;
    room->pointerPoint = {245, 245};
    const QImage& frame = painted();
    EXPECT_EQ(at(245, 262), colors::Black) << "the border's top-left corner";
    EXPECT_EQ(at(247, 264), colors::Yellow);
    int text = 0;
    for (int y = 267; y < 290; ++y) {
        for (int x = 250; x < 300; ++x) {
            text += fromQRgb(frame.pixel(x, y)) != colors::Yellow;
        }
    }
    EXPECT_GT(text, 10) << "the first line's text";

    room->pointerPoint = {100, 100};
    painted();
    EXPECT_EQ(at(102, 120), colors::White) << "no box outside the room";
    room->tool = 9;
    room->pointerPoint = {245, 245};
    painted();
    EXPECT_EQ(at(247, 264), Ceiling) << "only the view tool shows the box";
}
