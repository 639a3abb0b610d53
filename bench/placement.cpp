#include "core/ppdu_id.h"
#include "core/tdianqi_rec.h"
#include "core/troom_obj.h"
#include "design/room_statistics.h"
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
constexpr int Appliance = 2;

// A library with one 300 mm panel and one 300 mm appliance.
class BenchLibrary {
public:
    BenchLibrary() {
        db.create(folder.filePath(QStringLiteral("db.data")));
        createLibrarySchema(db);
        db.exec(
            QStringLiteral("insert into cailiao (id, cailiao) values (1, '扣板'), (2, '电器')"));
        db.exec(QStringLiteral("insert into xinghao (id, xinghao, cailiao_id) values (1, 'a', 1), "
                               "(2, 'b', 2)"));
        QImage picture(30, 30, QImage::Format_RGB32);
        picture.fill(Qt::gray);
        const QByteArray bytes = picture::writeBmp(picture);
        const QString insert = QStringLiteral(
            "insert into pic (id, xinghao_id, title, style, width, height, price, danwei, "
            "l_img) values (?, ?, ?, ?, 300, 300, 10, '块', ?)");
        db.exec(insert, {Panel, 1, QStringLiteral("方板"), KindSquarePanel, bytes});
        db.exec(insert, {Appliance, 2, QStringLiteral("灯"), KindAppliance, bytes});
    }

    QTemporaryDir folder;
    Database db;
};

// A 20 x 20 m L (a 2 x 2 m corner cut from its bottom right) whose top and left walls are
// arcs bulging 50 cm into the room.
void lShapedRoomWithArcs(TRoom_OBJ& room) {
    room.wall.setOutline({{1, 1},
                          {1000, 51},
                          {1999, 1},
                          {1999, 1799},
                          {1799, 1799},
                          {1799, 1999},
                          {1, 1999},
                          {51, 1000}},
                         {PlainCorner, ArcApexIn, PlainCorner, PlainCorner, PlainCorner,
                          PlainCorner, PlainCorner, ArcApexIn});
    room.editMode = EditDesign;
    room.setTool(FirstDesignTool);
}

// Every cell of the active range tiled with the panel, then 40 appliances on whole cells;
// a first count removes the panels outside the room.
void tileWithAppliances(TRoom_OBJ& room) {
    room.currentProduct = {Panel, KindSquarePanel, 0};
    for (int c = room.firstColumn; c <= room.lastColumn; ++c) {
        for (int r = room.firstRow; r <= room.lastRow; ++r) {
            room.placePanel({c, r}, 0);
        }
    }
    for (int i = 0; i < 40; ++i) {
        auto object = std::make_unique<tdianqi_rec>();
        object->id = Appliance;
        object->kind = KindAppliance;
        object->x = 200 + (i % 8) * 150;
        object->y = 200 + (i / 8) * 220;
        room.objects.push_back(std::move(object));
    }
    room.reseatAllAppliances();
    room.recount();
}

// The panels left in the grid and how many of them the four-corner test cannot settle.
void countPanels(TRoom_OBJ& room, benchmark::State& state) {
    int panels = 0;
    int partial = 0;
    for (int c = room.firstColumn; c <= room.lastColumn; ++c) {
        for (int r = room.firstRow; r <= room.lastRow; ++r) {
            if (room.cell(c, r) <= 0) {
                continue;
            }
            ++panels;
            const ObjectBox box = room.blockPlanRectangle({c, r}, 300, 300);
            const int inside =
                room.insideMask(box.left, box.top) + room.insideMask(box.right, box.top) +
                room.insideMask(box.left, box.bottom) + room.insideMask(box.right, box.bottom);
            partial += inside != 4;
        }
    }
    state.counters["panels"] = panels;
    state.counters["partial"] = partial;
}

} // namespace

static void BM_RecountTiledLShapedRoom(benchmark::State& state) {
    BenchLibrary library;
    RoomContext context;
    context.library = &library.db;
    RoomStatisticsView view;
    context.statisticsView = &view;
    TRoom_OBJ room(context, 300, 300, SquarePanelRoom, true);
    room.statisticsView = &view;
    lShapedRoomWithArcs(room);
    tileWithAppliances(room);
    countPanels(room, state);
    for (auto _ : state) {
        room.recount();
        benchmark::DoNotOptimize(room.billLines.front()->number);
    }
}
BENCHMARK(BM_RecountTiledLShapedRoom)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

static void BM_ProductLookupFromCache(benchmark::State& state) {
    BenchLibrary library;
    RoomContext context;
    context.library = &library.db;
    TRoom_OBJ room(context, 300, 300, SquarePanelRoom, true);
    for (int o = 0; o < 4; ++o) {
        room.productLookup(Panel, o);
        room.productLookup(Appliance, o);
    }
    int orientation = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(room.productLookup(Appliance, orientation));
        orientation = (orientation + 1) & 3;
    }
}
BENCHMARK(BM_ProductLookupFromCache)->Repetitions(9)->ReportAggregatesOnly(true);
