#include "platform/flood_fill.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

// Flood fill of a 2000 x 2000 room mask: a red outline of an L-shaped room with an arc,
// filled black from inside, as a mask rebuild does.
static void BM_FloodFillMask(benchmark::State& state) {
    QImage mask(2000, 2000, QImage::Format_RGB32);
    for (auto _ : state) {
        state.PauseTiming();
        mask.fill(Qt::white);
        {
            QPainter p(&mask);
            p.setPen(QPen(QColor(255, 0, 0), 0));
            const QPoint outline[] = {{100, 100},   {1900, 100},  {1900, 1000},
                                      {1000, 1000}, {1000, 1900}, {100, 1900}};
            p.drawPolygon(outline, 6);
            p.drawArc(QRect(700, 1700, 600, 400), 0, 180 * 16);
        }
        state.ResumeTiming();
        benchmark::DoNotOptimize(flood::fillToBorder(mask, 500, 500, colors::Red, colors::Black));
    }
}
BENCHMARK(BM_FloodFillMask)->Unit(benchmark::kMillisecond);
