#include "bench_library.h"
#include "core/tdianqi_rec.h"
#include "core/troom_obj.h"
#include "design/room_dxf.h"

#include <QFileInfo>
#include <benchmark/benchmark.h>

#include <memory>

// The DXF drawing of a 20 x 20 m room tiled with 300 mm panels and 100 appliances on whole
// cells: the drawing taken from the room and written through dxflib.

namespace {

constexpr int Panel = 1;
constexpr int Appliance = 2;

// The library of the benchmark: one 300 mm panel and one 300 mm appliance.
void addProducts(BenchLibrary& library) {
    library.addPanel(Panel, QStringLiteral("方板"), Qt::gray);
    library.db.exec(QStringLiteral("insert into pic (id, xinghao_id, title, style, width, height, "
                                   "price, danwei, l_img) select ?, 1, ?, ?, width, height, "
                                   "price, danwei, l_img from pic where id = ?"),
                    {Appliance, QStringLiteral("筒灯"), KindAppliance, Panel});
}

void tiledRoom(TRoom_OBJ& room) {
    room.wall.setOutline({{0, 0}, {2000, 0}, {2000, 2000}, {0, 2000}}, {});
    room.editMode = EditDesign;
    room.setTool(FirstDesignTool);
    room.currentProduct = {Panel, KindSquarePanel, 0};
    for (int c = room.firstColumn; c <= room.lastColumn; ++c) {
        for (int r = room.firstRow; r <= room.lastRow; ++r) {
            room.placePanel({c, r}, 0);
        }
    }
    for (int i = 0; i < 100; ++i) {
        auto object = std::make_unique<tdianqi_rec>();
        object->id = Appliance;
        object->kind = KindAppliance;
        object->x = 60 + (i % 10) * 180;
        object->y = 60 + (i / 10) * 180;
        room.objects.push_back(std::move(object));
    }
    room.reseatAllAppliances();
    room.recount();
}

} // namespace

static void BM_DxfOfTiledRoomWithAppliances(benchmark::State& state) {
    BenchLibrary library;
    addProducts(library);
    RoomContext context;
    context.library = &library.db;
    TRoom_OBJ room(context, 300, 300, SquarePanelRoom, true);
    tiledRoom(room);
    const QString path = library.folder.filePath(QStringLiteral("房间.dxf"));
    for (auto _ : state) {
        if (!room_dxf::write(room, path)) {
            state.SkipWithError("not written");
            break;
        }
    }
    state.counters["objects"] = double(room.objects.size());
    state.counters["bytes"] = double(QFileInfo(path).size());
}
BENCHMARK(BM_DxfOfTiledRoomWithAppliances)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
