#include "core/troom_obj.h"

#include <QList>
#include <benchmark/benchmark.h>

#include <cmath>

namespace {

// A 20 x 20 m outline with 40 corners every 2 m along the plan's edge; the middle
// corner of each side is an arc apex pushed 60 cm inward.
void arcRoom(troom_Wall& wall) {
    QList<QPoint> corners;
    QList<quint8> kinds;
    const QPoint starts[] = {{0, 0}, {1999, 0}, {1999, 1999}, {0, 1999}};
    const QPoint steps[] = {{200, 0}, {0, 200}, {-200, 0}, {0, -200}};
    const QPoint inward[] = {{0, 60}, {-60, 0}, {0, -60}, {60, 0}};
    for (int side = 0; side < 4; ++side) {
        for (int i = 0; i < 10; ++i) {
            const bool apex = i == 5;
            corners.append(starts[side] + steps[side] * i + (apex ? inward[side] : QPoint()));
            kinds.append(apex ? ArcApexOut : PlainCorner);
        }
    }
    wall.setOutline(corners, kinds);
}

} // namespace

static void BM_RebuildMaskArcRoom(benchmark::State& state) {
    TRoom_OBJ room(RoomContext{}, 300, 300, SquarePanelRoom, true);
    arcRoom(room.wall);
    for (auto _ : state) {
        room.rebuildMask();
        benchmark::DoNotOptimize(room.mask.constBits());
    }
}
BENCHMARK(BM_RebuildMaskArcRoom)->Unit(benchmark::kMillisecond);

// Cells of 300 mm (the default) and of 20 mm (the smallest: the range spans the grid).
static void BM_ComputeActiveRangeFullPlan(benchmark::State& state) {
    const int cellSize = int(state.range(0));
    TRoom_OBJ room(RoomContext{}, cellSize, cellSize, SquarePanelRoom, true);
    room.wall.setOutline({{1, 1}, {1999, 1}, {1999, 1999}, {1, 1999}}, {});
    for (auto _ : state) {
        room.computeActiveRange();
        benchmark::DoNotOptimize(room.widthToRangeEnd);
    }
}
BENCHMARK(BM_ComputeActiveRangeFullPlan)->Arg(300)->Arg(20)->Unit(benchmark::kMicrosecond);

// One pointer move's hit testing on a 200-corner outline, over no corner or wall, so
// that every corner and wall is examined.
static void BM_PointerMoveHitTests(benchmark::State& state) {
    troom_Wall wall;
    wall.setPaperWidth(2000);
    wall.setOrigin({-600, -700});
    QList<QPoint> corners;
    for (int i = 0; i < 200; ++i) {
        const double a = 2 * M_PI * i / 200;
        corners.append(QPoint(1000 + int(900 * std::cos(a)), 1000 + int(900 * std::sin(a))));
    }
    wall.setOutline(corners, {});
    for (auto _ : state) {
        wall.refreshCanvasPoints();
        benchmark::DoNotOptimize(wall.findCorner({400, 300}));
        benchmark::DoNotOptimize(wall.findWall({400, 300}));
    }
}
BENCHMARK(BM_PointerMoveHitTests)->Unit(benchmark::kMicrosecond);
