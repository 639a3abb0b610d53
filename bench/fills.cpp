#include "bench_canvas.h"
#include "bench_library.h"
#include "core/room_canvas.h"
#include "core/troom_obj.h"
#include "design/fill_flood.h"
#include "library/library_schema.h"
#include "library/product_library.h"
#include "platform/database.h"
#include "platform/picture.h"
#include "platform/surface.h"

#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int PanelA = 1;
constexpr int PanelB = 2;

// The whole plan, 20 x 20 m, with 300 mm cells (about 4 400 panels), in design mode on
// the canvas at zoom level 4, on the library given two panels of different colours.
std::unique_ptr<TRoom_OBJ> wholePlanRoom(BenchLibrary& library, BenchCanvas& canvas) {
    library.addPanel(PanelA, QStringLiteral("方板A"), Qt::gray);
    library.addPanel(PanelB, QStringLiteral("方板B"), Qt::darkCyan);
    RoomContext context;
    context.library = &library.db;
    context.canvas = &canvas;
    auto room = std::make_unique<TRoom_OBJ>(context, 300, 300, SquarePanelRoom, false);
    room->wall.setOutline({{1, 1}, {1999, 1}, {1999, 1999}, {1, 1999}}, {});
    room->editMode = EditDesign;
    room->setTool(DesignRectangleFill);
    while (room->zoom > 4) {
        room->zoomOut();
    }
    room->centreView();
    room->paint();
    return room;
}

// "全部填充" of the whole room, alternating between two panels so that every fill changes
// every cell: laying, repaint, re-seating, recount and the undo step.
void BM_WholeFill(benchmark::State& state) {
    BenchLibrary library;
    BenchCanvas canvas;
    auto room = wholePlanRoom(library, canvas);
    int product = PanelA;
    for (auto _ : state) {
        room->currentProduct = {product, KindSquarePanel, 0};
        room->wholeAndPatternFill(0, 0);
        product = product == PanelA ? PanelB : PanelA;
    }
    state.counters["panels"] = double(room->lastColumn - room->firstColumn + 1) *
                               double(room->lastRow - room->firstRow + 1);
}
BENCHMARK(BM_WholeFill)->Unit(benchmark::kMillisecond);

// The flood of a connected region of about 4 400 panels, alternating the product.
void BM_FloodOfPanels(benchmark::State& state) {
    BenchLibrary library;
    BenchCanvas canvas;
    auto room = wholePlanRoom(library, canvas);
    room->currentProduct = {PanelA, KindSquarePanel, 0};
    room->wholeAndPatternFill(0, 0);
    qint32 from = PanelA;
    const GridCell start{room->firstColumn + 30, room->firstRow + 30};
    for (auto _ : state) {
        const qint32 to = from == PanelA ? PanelB : PanelA;
        floodPanels(*room, start, from, to);
        from = to;
    }
    int flooded = 0;
    for (int c = room->firstColumn; c <= room->lastColumn; ++c) {
        for (int r = room->firstRow; r <= room->lastRow; ++r) {
            flooded += room->cell(c, r) == from ? 1 : 0;
        }
    }
    state.counters["panels"] = flooded;
}
BENCHMARK(BM_FloodOfPanels)->Unit(benchmark::kMillisecond);

// The whole replace command over the same region: flood, repaint, re-seating, recount
// and the undo step.
void BM_ReplaceRegion(benchmark::State& state) {
    BenchLibrary library;
    BenchCanvas canvas;
    auto room = wholePlanRoom(library, canvas);
    room->currentProduct = {PanelA, KindSquarePanel, 0};
    room->wholeAndPatternFill(0, 0);
    room->pointerPoint = room->wall.planToCanvas({1000, 1000});
    int product = PanelB;
    for (auto _ : state) {
        room->currentProduct = {product, KindSquarePanel, 0};
        room->replace(2);
        product = product == PanelA ? PanelB : PanelA;
    }
}
BENCHMARK(BM_ReplaceRegion)->Unit(benchmark::kMillisecond);

} // namespace
