#include "bench_library.h"
#include "core/historyrec.h"
#include "core/troom_obj.h"
#include "library/library_schema.h"
#include "library/product_library.h"
#include "platform/database.h"
#include "platform/picture.h"

#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int Panel = 1;

// A 20 x 20 m room over the whole plan, every cell of its range tiled with the panel and
// counted, with its history full: 21 snapshots, each one panel fewer than the next, or
// each with the bottom-right corner 1 cm off the last one's.
class TiledRoom {
public:
    explicit TiledRoom(bool movingCorner = false) {
        library.addPanel(Panel, QStringLiteral("方板"), Qt::gray);
        RoomContext context;
        context.library = &library.db;
        room = std::make_unique<TRoom_OBJ>(context, 300, 300, SquarePanelRoom, true);
        room->wall.setOutline({{1, 1}, {1999, 1}, {1999, 1999}, {1, 1999}}, {});
        room->editMode = EditDesign;
        room->setTool(FirstDesignTool);
        room->currentProduct = {Panel, KindSquarePanel, 0};
        for (int c = room->firstColumn; c <= room->lastColumn; ++c) {
            for (int r = room->firstRow; r <= room->lastRow; ++r) {
                room->placePanel({c, r}, 0);
            }
        }
        room->recount();
        for (int step = 0; step <= room->undoLimit; ++step) {
            if (movingCorner) {
                room->wall.setCorner(2, {1999 - step % 2, 1999});
            } else {
                room->removePanel({10 + step, 10});
            }
            room->recordStep();
        }
    }

    BenchLibrary library;
    std::unique_ptr<TRoom_OBJ> room;
};

} // namespace

static void BM_RecordStepTiled20mRoom(benchmark::State& state) {
    TiledRoom tiled;
    TRoom_OBJ& room = *tiled.room;
    for (auto _ : state) {
        room.recordStep();
        benchmark::DoNotOptimize(room.undoList.back().get());
    }
    const historyrec& step = *room.undoList.back();
    state.counters["snapshot_bytes"] = double(step.byteSize());
    state.counters["cell_stream_bytes"] = double(step.cellStream.size());
    state.counters["snapshots"] = double(room.undoList.size());
}
BENCHMARK(BM_RecordStepTiled20mRoom)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// One undo: the snapshot restored, the range rebuilt, the mask drawn again where the walls
// moved, the room recounted. At the oldest snapshot the history is walked forward again
// outside the timing. Argument 1: every step moves a corner (an undo that changes the walls).
static void BM_UndoTiled20mRoom(benchmark::State& state) {
    TiledRoom tiled(state.range(0) == 1);
    TRoom_OBJ& room = *tiled.room;
    for (auto _ : state) {
        if (!room.canUndo) {
            state.PauseTiming();
            while (room.canRedo) {
                room.redo();
            }
            state.ResumeTiming();
        }
        room.undo();
        benchmark::DoNotOptimize(room.billLines.size());
    }
}
BENCHMARK(BM_UndoTiled20mRoom)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
