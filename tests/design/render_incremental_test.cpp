#include "render_fixture.h"

#include "design/room_render.h"
#include "library/product_library.h"

#include <gtest/gtest.h>

#include <random>

using namespace paint_sample;

namespace {

// The frame without its border and the signature in the bottom-right corner.
const QRect DesignArea(2, 2, 796, 570);

// A room with a door, a window, objects and the ghost, painted at a device pixel ratio.
class IncrementalPaint : public RenderTest, public ::testing::WithParamInterface<qreal> {
protected:
    IncrementalPaint() : RenderTest(SquarePanelRoom, GetParam()) {
        useOutlineWithOpenings();
        placeEverywhere(*room, Panel, room->firstColumn, room->firstRow, room->lastColumn,
                        room->lastRow);
        addObject(*room, Floating, KindFloating, 950, 950);
        addObject(*room, Appliance, KindAppliance, 1080, 1110);
        room->showSelectedProduct = true;
    }

    // The physical pixels of the design area.
    QRect designPixels() const {
        const qreal r = GetParam();
        return QRect(QPoint(int(DesignArea.left() * r), int(DesignArea.top() * r)),
                     QSize(int(DesignArea.width() * r), int(DesignArea.height() * r)));
    }
};

} // namespace

// Random panels of three shapes laid and taken out, a few between two paints, with the
// ghost moving: every kept frame equals the design drawn afresh, pixel by pixel.
TEST_P(IncrementalPaint, AfterRandomLayingAndRemovingTheFrameEqualsAFreshDrawing) {
    std::mt19937 random(20240611);
    const auto between = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    painted();
    for (int step = 0; step < 30; ++step) {
        QString done;
        for (int edits = between(1, 3); edits > 0; --edits) {
            const GridCell cell{between(room->firstColumn, room->lastColumn),
                                between(room->firstRow, room->lastRow)};
            if (between(0, 2) == 0) {
                room->removePanel(cell);
                done += QStringLiteral(" remove %1,%2").arg(cell.column).arg(cell.row);
            } else {
                const auto orientation = static_cast<quint8>(between(0, 1));
                room->currentProduct = {between(0, 1) ? TallPanel : Panel, KindSquarePanel,
                                        orientation};
                room->placePanel(cell, orientation);
                done += QStringLiteral(" lay %1 at %2,%3")
                            .arg(room->currentProduct.id)
                            .arg(cell.column)
                            .arg(cell.row);
            }
        }
        room->currentProduct = {between(0, 1) ? TallPanel : Panel, KindSquarePanel, 0};
        room->pointerPoint = {between(150, 550), between(150, 550)};
        const QImage frame = painted().copy();
        const QImage fresh = freshDesign(*room, QSize(800, 600), GetParam());
        const std::optional<QPoint> differs = firstDifference(frame, fresh, designPixels());
        ASSERT_FALSE(differs) << "step " << step << ":" << done.toStdString()
                              << ": first difference at " << differs->x() << ", " << differs->y();
    }
}

// One panel changed: only its block is drawn again and shown.
TEST_P(IncrementalPaint, APanelChangeRedrawsOnlyItsBlock) {
    room->showSelectedProduct = false;
    painted();
    const QRect block = room->renderCache->cells.front().area;
    room->currentProduct = {TallPanel, KindSquarePanel, 0};
    room->placePanel({room->firstColumn, room->firstRow}, 0);
    const QRect grown = block.united(block.translated(0, block.height() - 1));
    room->paint();
    const QImage frame = canvas.surface().image();
    EXPECT_EQ(frame.size(), QSize(800, 600) * GetParam()) << "drawn at the physical size";
    const QRegion shown = room->designPaint(canvas.surface());
    EXPECT_TRUE(shown.isEmpty()) << "nothing changed since";
    room->removePanel({room->firstColumn, room->firstRow});
    EXPECT_EQ(room->designPaint(canvas.surface()).boundingRect(), grown);
}

// Text at a ratio of 2 has detail finer than a canvas pixel: the frame is not an enlarged
// picture of one pixel per canvas pixel.
TEST_P(IncrementalPaint, LabelsHaveTheScreensResolution) {
    painted();
    const QImage& frame = canvas.surface().image();
    const room_render::LengthLabel& label = room->renderCache->labels.labels.front();
    const int r = int(GetParam());
    int finer = 0;
    for (int y = label.box.top(); y <= label.box.bottom(); ++y) {
        for (int x = label.box.left(); x <= label.box.right(); ++x) {
            const QRgb first = frame.pixel(x * r, y * r);
            for (int i = 0; i < r * r; ++i) {
                finer += frame.pixel(x * r + i % r, y * r + i / r) != first;
            }
        }
    }
    EXPECT_EQ(finer > 0, r > 1);
}

INSTANTIATE_TEST_SUITE_P(Ratios, IncrementalPaint, ::testing::Values(1.0, 2.0));
