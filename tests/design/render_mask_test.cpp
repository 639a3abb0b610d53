#include "render_fixture.h"

#include "design/room_render.h"

#include <gtest/gtest.h>

using namespace paint_sample;

namespace {

// A door on the top wall (canvas 200..300) and a window on the right wall (300..400).
QList<QPoint> openingCorners() {
    return {{900, 900},   {1000, 900},  {1200, 900}, {1200, 1000},
            {1200, 1100}, {1200, 1200}, {900, 1200}};
}
QList<quint8> openingKinds() {
    return {DoorEnd, DoorEnd, PlainCorner, WindowEnd, WindowEnd, PlainCorner, PlainCorner};
}

bool anyNear(const QImage& image, QPoint p, TColor colour) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (fromQRgb(image.pixel(p + QPoint(dx, dy))) == colour) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

TEST_F(RenderTest, DoorsGetTheirLeafAndSwingOnTheCanvas) {
    useOutline(openingCorners(), openingKinds());
    const QImage& frame = painted();
    EXPECT_EQ(at(250, 200), colors::Green) << "on the door";
    EXPECT_EQ(at(250, 202), colors::Green) << "five pixels wide";
    EXPECT_NE(at(250, 205), colors::Green);
    EXPECT_EQ(at(300, 250), colors::Green) << "the leaf stands at the hinge, into the room";
    // The swing passes 45 degrees between the opening and the leaf.
    EXPECT_TRUE(anyNear(frame, {229, 271}, colors::Green));
}

TEST_F(RenderTest, WindowsAreBlueWithAWhiteCore) {
    useOutline(openingCorners(), openingKinds());
    painted();
    EXPECT_EQ(at(500, 350), colors::Blue);
    EXPECT_EQ(at(501, 350), colors::White);
    EXPECT_EQ(at(499, 350), colors::White);
    EXPECT_EQ(at(502, 350), colors::Blue);
    EXPECT_EQ(at(498, 350), colors::Blue);
    EXPECT_EQ(at(500, 450), colors::Black) << "the wall after the window";
}

TEST_F(RenderTest, AnOutlineWithAnArcIsBlankedOutsideTheArcOnly) {
    useOutline({{900, 900}, {1050, 850}, {1200, 900}, {1200, 1200}, {900, 1200}},
               {PlainCorner, ArcApexOut, PlainCorner, PlainCorner, PlainCorner});
    painted();
    EXPECT_EQ(at(345, 160), Ceiling) << "inside the bulge";
    EXPECT_EQ(at(345, 300), Ceiling);
    EXPECT_EQ(at(480, 480), Ceiling) << "in a corner";
    EXPECT_EQ(at(210, 160), colors::White) << "beside the bulge";
    EXPECT_EQ(at(345, 140), colors::White) << "beyond the apex";
    EXPECT_EQ(at(600, 300), colors::White);
    EXPECT_EQ(at(350, 150), colors::Black) << "the arc";
}

TEST_F(RenderTest, AnArcRoomWithAnInwardArcStaysSeeThroughInside) {
    useOutline({{900, 900}, {1200, 900}, {1200, 1200}, {1050, 1150}, {900, 1200}},
               {PlainCorner, PlainCorner, PlainCorner, ArcApexIn, PlainCorner});
    painted();
    EXPECT_EQ(at(345, 300), Ceiling);
    EXPECT_EQ(at(345, 445), Ceiling);
    EXPECT_EQ(at(345, 470), colors::White) << "the bite the arc takes";
    EXPECT_EQ(at(220, 220), Ceiling);
}

TEST_F(RenderTest, LengthLabelsSayCmAndStandAwayFromTheCentre) {
    painted();
    const room_render::LengthLabels labels =
        room_render::lengthLabelsFor(*room, QSize(800, 600), TRoom_OBJ::RenderTarget::Canvas);
    ASSERT_EQ(labels.labels.size(), 4u);
    for (const room_render::LengthLabel& label : labels.labels) {
        EXPECT_EQ(label.text, QStringLiteral("300CM"));
    }
    // The walls ending at corners 1, 2 and 3, then the closing wall: top, right, bottom,
    // left.
    const QPoint top = labels.labels[0].at;
    const QPoint right = labels.labels[1].at;
    const QPoint left = labels.labels[3].at;
    EXPECT_EQ(right, QPoint(503, 353)) << "neither left of nor above the centre";
    EXPECT_EQ(top.x(), 353);
    EXPECT_LT(top.y(), 200 - 4) << "above the top wall";
    EXPECT_LT(left.x(), 200 - 4) << "left of the left wall";
    EXPECT_EQ(left.y(), 353);
    // The text is drawn black.
    const QImage& frame = canvas.surface().image();
    bool black = false;
    for (int y = left.y(); y < left.y() + 12 && !black; ++y) {
        for (int x = left.x(); x < 200 && !black; ++x) {
            black = fromQRgb(frame.pixel(x, y)) == colors::Black;
        }
    }
    EXPECT_TRUE(black);

    const room_render::LengthLabels onPicture =
        room_render::lengthLabelsFor(*room, QSize(750, 690), TRoom_OBJ::RenderTarget::Picture);
    ASSERT_EQ(onPicture.labels.size(), 4u);
    EXPECT_EQ(onPicture.labels[1].text, QStringLiteral("300Cm"));
}

TEST_F(RenderTest, ArcWallsGetNoLabel) {
    useOutline({{900, 900}, {1050, 850}, {1200, 900}, {1200, 1200}, {900, 1200}},
               {PlainCorner, ArcApexOut, PlainCorner, PlainCorner, PlainCorner});
    painted();
    const room_render::LengthLabels labels =
        room_render::lengthLabelsFor(*room, QSize(800, 600), TRoom_OBJ::RenderTarget::Canvas);
    ASSERT_EQ(labels.labels.size(), 3u);
    EXPECT_EQ(labels.labels[0].text, QStringLiteral("300CM"));
    EXPECT_EQ(labels.labels[2].text, QStringLiteral("300CM"));
}
