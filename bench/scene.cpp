#include "bench_library.h"
#include "core/tdianqi_rec.h"
#include "core/troom_obj.h"
#include "scene/gltf_export.h"
#include "scene/scene_builder.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int Designs = 6;    // panel ids 1..6, 300 x 300
constexpr int Appliance = 10; // 300 x 300
constexpr int Appliances = 100;

// The six designs of one colour each, and a lamp with a drawn picture.
void addProducts(BenchLibrary& library) {
    const Qt::GlobalColor colours[Designs] = {Qt::red,  Qt::green,   Qt::blue,
                                              Qt::cyan, Qt::magenta, Qt::yellow};
    for (int id = 1; id <= Designs; ++id) {
        library.addPanel(id, QStringLiteral("方板"), colours[id - 1]);
    }
    QImage lamp(128, 128, QImage::Format_RGB32);
    lamp.fill(Qt::white);
    QPainter p(&lamp);
    p.setBrush(Qt::darkYellow);
    p.drawEllipse(QRect(8, 8, 112, 112));
    p.end();
    library.db.exec(
        QStringLiteral("insert into pic (id, xinghao_id, title, style, width, height, "
                       "price, danwei, l_img) values (?, 1, ?, ?, 300, 300, 10, '个', ?)"),
        {Appliance, QStringLiteral("灯"), KindAppliance, picture::writeBmp(lamp)});
}

// A 20 x 20 m room with a door and a window tiled with the six designs in all four
// orientations on 300 mm cells, and 100 appliances on whole cells.
std::unique_ptr<TRoom_OBJ> largeRoom(BenchLibrary& library) {
    addProducts(library);
    RoomContext context;
    context.library = &library.db;
    auto room = std::make_unique<TRoom_OBJ>(context, 300, 300, SquarePanelRoom, true);
    room->wall.setOutline(
        {{0, 0}, {300, 0}, {390, 0}, {2000, 0}, {2000, 800}, {2000, 1000}, {2000, 2000}, {0, 2000}},
        {PlainCorner, DoorEnd, DoorEnd, PlainCorner, WindowEnd, WindowEnd, PlainCorner,
         PlainCorner});
    room->editMode = EditDesign;
    room->setTool(FirstDesignTool);
    room->computeActiveRange();
    for (int c = room->firstColumn; c <= room->lastColumn; ++c) {
        for (int r = room->firstRow; r <= room->lastRow; ++r) {
            const auto orientation = quint8((c * 7 + r) % 4);
            room->currentProduct = {1 + (c + r) % Designs, KindSquarePanel, orientation};
            room->placePanel({c, r}, orientation);
        }
    }
    for (int i = 0; i < Appliances; ++i) {
        auto object = std::make_unique<tdianqi_rec>();
        object->id = Appliance;
        object->kind = KindAppliance;
        object->x = 60 + (i % 10) * 180;
        object->y = 60 + (i / 10) * 180;
        room->objects.push_back(std::move(object));
    }
    room->reseatAllAppliances();
    return room;
}

void BM_SceneBuild(benchmark::State& state) {
    BenchLibrary library;
    auto room = largeRoom(library);
    std::size_t vertices = 0;
    for (auto _ : state) {
        const std::optional<CeilingScene> scene = buildCeilingScene(*room, 260);
        vertices = 0;
        for (const SceneMesh& mesh : scene->meshes) {
            vertices += mesh.positions.size() / 3;
        }
        benchmark::DoNotOptimize(vertices);
    }
    state.counters["vertices"] = double(vertices);
}
BENCHMARK(BM_SceneBuild)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

// One panel changes its design and orientation; the scene's ceiling follows.
void BM_SceneOnePanelChange(benchmark::State& state) {
    BenchLibrary library;
    auto room = largeRoom(library);
    CeilingScene scene = *buildCeilingScene(*room, 260);
    const GridCell cell{room->firstColumn + 20, room->firstRow + 20};
    int step = 0;
    for (auto _ : state) {
        const auto orientation = quint8(step % 4);
        room->currentProduct = {1 + step % Designs, KindSquarePanel, orientation};
        room->placePanel(cell, orientation);
        benchmark::DoNotOptimize(updateSceneCeiling(scene, *room));
        ++step;
    }
}
BENCHMARK(BM_SceneOnePanelChange)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

void BM_SceneWriteGlb(benchmark::State& state) {
    BenchLibrary library;
    auto room = largeRoom(library);
    const CeilingScene scene = *buildCeilingScene(*room, 260);
    const QString path = library.folder.filePath(QStringLiteral("room.glb"));
    for (auto _ : state) {
        QString error;
        if (!writeSceneGlb(scene, path, &error)) {
            state.SkipWithError(error.toStdString().c_str());
        }
    }
    state.counters["bytes"] = double(QFileInfo(path).size());
}
BENCHMARK(BM_SceneWriteGlb)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

} // namespace
