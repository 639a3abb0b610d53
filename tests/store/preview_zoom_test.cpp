#include "store/preview_zoom.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

TEST(PreviewZoom, TheZoomStaysWithinItsRangeAndTheFitShrinksUntilThePictureFits) {
    PreviewZoom zoom;
    zoom.setPicture({801, 400});
    EXPECT_EQ(zoom.caption(), QStringLiteral("设计图 （100%）"));
    // At the ends "大" and "小" change nothing.
    for (int i = 0; i < 30; ++i) {
        zoom.bigger();
    }
    EXPECT_EQ(zoom.zoom(), 200);
    for (int i = 0; i < 30; ++i) {
        zoom.smaller();
    }
    EXPECT_EQ(zoom.zoom(), 20);
    QRandomGenerator random(21);
    for (int i = 0; i < 2000; ++i) {
        switch (random.bounded(3)) {
        case 0:
            zoom.bigger();
            break;
        case 1:
            zoom.smaller();
            break;
        default:
            zoom.setZoom(random.bounded(-500, 500));
        }
        ASSERT_GE(zoom.zoom(), 20);
        ASSERT_LE(zoom.zoom(), 200);
    }

    // 801 × 400 in a page of 500 × 500: 60 % gives 481 (480.6 rounded) ≤ 495.
    const struct {
        QSize picture;
        QSize page;
        int fitted;
        int steps;
    } fits[] = {
        {{801, 400}, {500, 500}, 60, 4},
        {{300, 200}, {400, 300}, 100, 0},
        {{100, 300}, {400, 300}, 90, 1},
        {{5000, 5000}, {100, 100}, 20, 8},
    };
    for (const auto& f : fits) {
        zoom.setPicture(f.picture);
        int steps = 0;
        while (zoom.fitStep(f.page)) {
            ++steps;
        }
        EXPECT_EQ(zoom.zoom(), f.fitted) << f.picture.width();
        EXPECT_EQ(steps, f.steps) << f.picture.width();
    }
    // Centred: half the differences, toward zero; 5000 × 20 % = 1000.
    EXPECT_EQ(zoom.placement({101, 99}), QRect(-449, -450, 1000, 1000));
    EXPECT_EQ(zoom.caption(), QStringLiteral("设计图 （20%）"));
}
