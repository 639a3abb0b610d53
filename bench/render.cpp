#include "bench_canvas.h"
#include "core/menu_model.h"
#include "core/room_canvas.h"
#include "core/tdianqi_rec.h"
#include "core/troom_obj.h"
#include "library/library_schema.h"
#include "library/product_library.h"
#include "platform/database.h"
#include "platform/picture.h"
#include "platform/surface.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int Designs = 6;    // panel ids 1..6
constexpr int Appliance = 10; // 300 x 300
constexpr int Floating = 20;  // 600 x 600, drawn transparently

QByteArray patternPicture(int seed) {
    QImage picture(120, 120, QImage::Format_RGB32);
    QPainter p(&picture);
    p.fillRect(picture.rect(), QColor::fromHsv(seed * 50 % 360, 120, 220));
    p.setPen(QPen(Qt::white, 6));
    p.drawEllipse(QRect(20, 20, 80, 80));
    p.drawLine(0, seed * 15, 120, 120 - seed * 15);
    p.end();
    return picture::writeBmp(picture);
}

// Six panel designs, one appliance, one floating product whose corners are the key colour.
class BenchLibrary {
public:
    BenchLibrary() {
        db.create(folder.filePath(QStringLiteral("db.data")));
        createLibrarySchema(db);
        db.exec(QStringLiteral("insert into cailiao (id, cailiao) values (1, 'a'), (2, 'b')"));
        db.exec(QStringLiteral("insert into xinghao (id, xinghao, cailiao_id) values (1, 'a', 1), "
                               "(2, 'b', 2)"));
        const QString insert = QStringLiteral(
            "insert into pic (id, xinghao_id, title, style, width, height, price, danwei, "
            "l_img) values (?, ?, ?, ?, ?, ?, 10, '块', ?)");
        for (int id = 1; id <= Designs; ++id) {
            db.exec(insert,
                    {id, 1, QStringLiteral("方板"), KindSquarePanel, 300, 300, patternPicture(id)});
        }
        db.exec(insert,
                {Appliance, 2, QStringLiteral("灯"), KindAppliance, 300, 300, patternPicture(7)});
        QImage floating(150, 150, QImage::Format_RGB32);
        floating.fill(Qt::magenta);
        QPainter p(&floating);
        p.setBrush(Qt::yellow);
        p.drawEllipse(QRect(10, 10, 130, 130));
        p.end();
        db.exec(insert, {Floating, 2, QStringLiteral("吊灯"), KindFloating, 600, 600,
                         picture::writeBmp(floating)});
    }

    QTemporaryDir folder;
    Database db;
};

// A 12 x 8 m room with a door and a window, tiled with the six designs, with 15
// appliances on whole cells and 15 floating products.
std::unique_ptr<TRoom_OBJ> tiledRoom(BenchLibrary& library, BenchCanvas& canvas, int zoomLevel) {
    RoomContext context;
    context.library = &library.db;
    context.canvas = &canvas;
    auto room = std::make_unique<TRoom_OBJ>(context, 300, 300, SquarePanelRoom, true);
    room->wall.setOutline(
        {{400, 600}, {550, 600}, {1600, 600}, {1600, 900}, {1600, 1100}, {1600, 1400}, {400, 1400}},
        {DoorEnd, DoorEnd, PlainCorner, WindowEnd, WindowEnd, PlainCorner, PlainCorner});
    room->editMode = EditDesign;
    room->setTool(FirstDesignTool);
    for (int c = room->firstColumn; c <= room->lastColumn; ++c) {
        for (int r = room->firstRow; r <= room->lastRow; ++r) {
            room->currentProduct = {1 + (c + r) % Designs, KindSquarePanel, 0};
            room->placePanel({c, r}, 0);
        }
    }
    room->recount();
    for (int i = 0; i < 30; ++i) {
        auto object = std::make_unique<tdianqi_rec>();
        const bool floating = i % 2 == 1;
        object->id = floating ? Floating : Appliance;
        object->kind = floating ? KindFloating : KindAppliance;
        object->x = 450 + (i % 6) * 180;
        object->y = 660 + (i / 6) * 150;
        room->objects.push_back(std::move(object));
    }
    room->reseatAllAppliances();
    while (room->zoom < zoomLevel) {
        room->zoomIn();
    }
    room->centreView();
    room->showSelectedProduct = true;
    room->currentProduct = {3, KindSquarePanel, 0};
    return room;
}

// The arguments of the paint benchmarks: zoom level and device pixel ratio.
void zoomsAndRatios(benchmark::internal::Benchmark* bench) {
    bench->ArgNames({"zoom", "ratio"})->Args({10, 1})->Args({20, 1})->Args({10, 2});
    bench->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
}

// One pointer move: the pointer walks across the canvas carrying the product ghost.
void BM_DesignPaintPointerMove(benchmark::State& state) {
    BenchLibrary library;
    BenchCanvas canvas(qreal(state.range(1)));
    auto room = tiledRoom(library, canvas, int(state.range(0)));
    int step = 0;
    for (auto _ : state) {
        room->pointerPoint = {100 + step * 7 % 1400, 100 + step * 5 % 800};
        room->paint();
        ++step;
    }
}
BENCHMARK(BM_DesignPaintPointerMove)->Apply(zoomsAndRatios);

// Dragging an object: the content is drawn again over the kept grid.
void BM_DesignPaintObjectMoved(benchmark::State& state) {
    BenchLibrary library;
    BenchCanvas canvas(qreal(state.range(1)));
    auto room = tiledRoom(library, canvas, int(state.range(0)));
    tdianqi_rec& floating = *room->objects[1];
    const int x = floating.x;
    int step = 0;
    for (auto _ : state) {
        floating.x = x + step % 2 * 30;
        room->paint();
        ++step;
    }
}
BENCHMARK(BM_DesignPaintObjectMoved)->Apply(zoomsAndRatios);

// A panel replaced by another: its block is drawn again.
void BM_DesignPaintPanelChanged(benchmark::State& state) {
    BenchLibrary library;
    BenchCanvas canvas(qreal(state.range(1)));
    auto room = tiledRoom(library, canvas, int(state.range(0)));
    const int c = room->firstColumn + 10;
    const int r = room->firstRow + 10;
    int step = 0;
    for (auto _ : state) {
        room->cell(c, r) = 1 + step % 2;
        room->paint();
        ++step;
    }
}
BENCHMARK(BM_DesignPaintPanelChanged)->Apply(zoomsAndRatios);

// Panels laid and taken out in turn through the placement model.
void BM_DesignPaintPanelLaidOrRemoved(benchmark::State& state) {
    BenchLibrary library;
    BenchCanvas canvas(qreal(state.range(1)));
    auto room = tiledRoom(library, canvas, int(state.range(0)));
    room->showSelectedProduct = false;
    const GridCell cell{room->firstColumn + 12, room->firstRow + 9};
    int step = 0;
    for (auto _ : state) {
        if (step % 2 == 0) {
            room->removePanel(cell);
        } else {
            room->placePanel(cell, 0);
        }
        room->paint();
        ++step;
    }
}
BENCHMARK(BM_DesignPaintPanelLaidOrRemoved)->Apply(zoomsAndRatios);

void BM_DesignPictureAsJpeg(benchmark::State& state) {
    BenchLibrary library;
    BenchCanvas canvas;
    auto room = tiledRoom(library, canvas, 10);
    for (auto _ : state) {
        QImage image;
        room->designPicture(image);
        benchmark::DoNotOptimize(picture::encodeJpeg(image).size());
    }
}
BENCHMARK(BM_DesignPictureAsJpeg)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace
