#include "design_products.h"
#include "staged_program.h"
#include "support/scripted_prompts.h"
#include "ui/main_actions.h"
#include "ui/program_start.h"
#include "ui/tmainfm.h"

#include <QAction>
#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A main window whose start room is a tiled 3 x 3 m room in design mode.
class DesignLook : public ::testing::Test {
protected:
    void SetUp() override {
        design_products::add(staged);
        ASSERT_EQ(program.start(), 0) << qPrintable(prompts.shown.join('\n'));
        main = program.mainWindow();
        room = main->getActiveOBJ();
        room->makeRectangle(300, 300);
        main->actions()["modeDesign"]->trigger();
        ASSERT_TRUE(design_products::choose(*main, design_products::Panel));
        main->actions()["fillAll"]->trigger();
    }

    StagedProgram staged;
    ScriptedPrompts prompts;
    ProgramStart program{staged.path(), &prompts};
    Tmainfm* main = nullptr;
    TRoom_OBJ* room = nullptr;
};

bool isWhite(QRgb pixel) {
    return qRed(pixel) > 240 && qGreen(pixel) > 240 && qBlue(pixel) > 240;
}

} // namespace

TEST_F(DesignLook, TheInformationBoxLeavesRoomRightOfItsText) {
    QImage image(1000, 800, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QPoint p = room->wall.planToCanvas({950, 950});
    room->informationBox(image, p);
    const QRgb yellow = image.pixel(p.x() + 2, p.y() + 19);
    const QRgb border = image.pixel(p.x(), p.y() + 19);
    ASSERT_NE(yellow, border) << "no box at the point";
    int right = p.x() + 1;
    while (right < image.width() && image.pixel(right, p.y() + 19) != border) {
        ++right;
    }
    ASSERT_LT(right, image.width());
    int bottom = p.y() + 19;
    while (bottom < image.height() && image.pixel(p.x() + 2, bottom) != border) {
        ++bottom;
    }
    // The columns that the text touches.
    int first = right;
    int last = p.x();
    for (int y = p.y() + 20; y < bottom; ++y) {
        for (int x = p.x() + 1; x < right; ++x) {
            if (image.pixel(x, y) != yellow) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
    }
    ASSERT_LT(first, last) << "no text in the box";
    const int leftGap = first - p.x() - 1;
    const int rightGap = right - last - 1;
    EXPECT_GE(rightGap, leftGap - 1) << "left " << leftGap << ", right " << rightGap;
}

TEST_F(DesignLook, TheDesignPictureCaptionStaysInsideTheFrame) {
    QImage picture;
    ASSERT_TRUE(room->designPicture(picture));
    const int w = picture.width();
    const int h = picture.height();
    // The rightmost caption pixel in the band above the bottom frame.
    int last = -1;
    for (int y = h - 20; y < h - 2; ++y) {
        for (int x = w / 2; x < w - 1; ++x) {
            if (!isWhite(picture.pixel(x, y))) {
                last = std::max(last, x);
            }
        }
    }
    ASSERT_GE(last, 0) << "no caption";
    EXPECT_LT(last, w - 6) << "the caption reaches the frame";
}
