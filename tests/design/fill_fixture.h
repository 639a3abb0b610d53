#pragma once

#include "core/troom_obj.h"
#include "placement_fixture.h"
#include "render_fixture.h"
#include "support/scripted_prompts.h"

#include <gtest/gtest.h>

#include <memory>

// Extra products of the fill tests: a second 300 x 300 and 300 x 600 panel, a strip that
// is 300 mm across when it lies in a column or a row, and a second 300 x 300 appliance.
namespace fill_sample {
constexpr int OtherPanel300 = 50;
constexpr int OtherPanel300x600 = 51;
constexpr int OtherPanel600 = 52;
constexpr int Strip = 53; // 3000 long, 300 across
constexpr int OtherAppliance300 = 54;
constexpr int Missing = 99; // not in the library
void addProducts(TestLibrary& library);
} // namespace fill_sample

// A canvas that records the pointer shapes it was given.
class FillCanvas : public RenderCanvas {
public:
    using RenderCanvas::RenderCanvas;
    void setPointerShape(int shape) override { shapes.push_back(shape); }
    std::vector<int> shapes;
};

// A room driven through the canvas's pointer events: the sample products of the placement
// tests, an 800 x 600 canvas at 1 pixel per cm with the plan's point (900, 900) at canvas
// (200, 200), 300 mm cells and the 3 x 3 m square from 900 to 1200 cm (columns and rows
// 31..40), in design mode with scripted prompts.
class FillTest : public ::testing::Test {
protected:
    explicit FillTest(int roomMode = SquarePanelRoom, int cellSize = 300);

    // The tool chosen with a current product, as the workspace would.
    void choose(quint8 tool, int product, int kind, int orientation = 0);
    // The canvas point in the middle of a cell (or of column/row of 300 mm cells).
    static QPoint centre(int column, int row);
    void move(QPoint p, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void click(QPoint p, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void drag(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Cells of the block holding `product` as anchors.
    int anchorsOf(int product, int firstColumn, int firstRow, int lastColumn, int lastRow) const;
    int undoSteps() const { return int(room->undoList.size()); }

    TestLibrary library;
    FillCanvas canvas{800, 600};
    ScriptedPrompts prompts;
    std::unique_ptr<TRoom_OBJ> room;
};
