#include "scene/ceiling_scene.h"
#include "view3d/offscreen_renderer.h"

#include <QPainter>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr float side = 20;   // m
constexpr float cell = 0.3f; // m
constexpr float height = 2.6f;
constexpr int designs = 6;

QImage panelPicture(int seed) {
    QImage picture(256, 256, QImage::Format_RGB32);
    QPainter p(&picture);
    p.fillRect(picture.rect(), QColor::fromHsv(seed * 50 % 360, 120, 220));
    p.setPen(QPen(Qt::white, 10));
    p.drawEllipse(QRect(40, 40, 176, 176));
    return picture;
}

void addQuad(SceneMesh& mesh, float x0, float z0, float x1, float z1, float y) {
    const auto first = std::uint32_t(mesh.positions.size() / 3);
    mesh.positions.insert(mesh.positions.end(), {x0, y, z0, x1, y, z0, x1, y, z1, x0, y, z1});
    mesh.normals.insert(mesh.normals.end(), {0, -1, 0, 0, -1, 0, 0, -1, 0, 0, -1, 0});
    mesh.uvs.insert(mesh.uvs.end(), {0, 0, 1, 0, 1, 1, 0, 1});
    mesh.indices.insert(mesh.indices.end(),
                        {first, first + 1, first + 2, first, first + 2, first + 3});
}

// A 20 × 20 m ceiling tiled with six panel designs in turn, one mesh a design, and its
// four walls: about 4 400 textured quads.
CeilingScene tiledRoom() {
    CeilingScene scene;
    for (int d = 0; d < designs; ++d) {
        scene.materials.push_back({QStringLiteral("panel%1").arg(d), panelPicture(d), {}});
        SceneMesh mesh;
        mesh.kind = SceneMesh::Kind::SquarePanels;
        mesh.material = d;
        scene.meshes.push_back(std::move(mesh));
    }
    const int cells = int(side / cell);
    for (int row = 0; row < cells; ++row) {
        for (int column = 0; column < cells; ++column) {
            addQuad(scene.meshes[std::size_t((row + column) % designs)], column * cell, row * cell,
                    (column + 1) * cell, (row + 1) * cell, height);
        }
    }
    scene.materials.push_back({QStringLiteral("wall"), {}, QColor(235, 230, 220)});
    SceneMesh walls;
    walls.kind = SceneMesh::Kind::Walls;
    walls.material = designs;
    const float corners[5][2] = {{0, 0}, {side, 0}, {side, side}, {0, side}, {0, 0}};
    for (int w = 0; w < 4; ++w) {
        const auto first = std::uint32_t(walls.positions.size() / 3);
        const float* a = corners[w];
        const float* b = corners[w + 1];
        walls.positions.insert(walls.positions.end(), {a[0], 0, a[1], b[0], 0, b[1], b[0], height,
                                                       b[1], a[0], height, a[1]});
        for (int v = 0; v < 4; ++v) {
            walls.normals.insert(walls.normals.end(), {b[1] - a[1], 0, a[0] - b[0]});
            walls.uvs.insert(walls.uvs.end(), {0, 0});
        }
        walls.indices.insert(walls.indices.end(),
                             {first, first + 1, first + 2, first, first + 2, first + 3});
    }
    scene.meshes.push_back(std::move(walls));
    scene.boundsMin = {0, 0, 0};
    scene.boundsMax = {side, height, side};
    return scene;
}

// One frame of the room seen from inside, 1280 × 800, drawn on the software renderer and
// read back into a picture.
void BM_FrameRenderedAndReadBack(benchmark::State& state) {
    QString problem;
    const std::unique_ptr<OffscreenRenderer> renderer = OffscreenRenderer::create(&problem);
    if (!renderer) {
        state.SkipWithError(qPrintable(QStringLiteral("no OpenGL: ") + problem));
        return;
    }
    renderer->setScene(tiledRoom());
    const SceneCamera camera{
        {side / 2, 1.6f, side / 2}, {side / 2 + 3, height, side / 2 - 2}, {0, 1, 0}, 60};
    const QSize size(1280, 800);
    renderer->render(camera, size); // uploads the scene once
    for (auto _ : state) {
        QImage frame = renderer->render(camera, size);
        benchmark::DoNotOptimize(frame.constBits());
    }
}
BENCHMARK(BM_FrameRenderedAndReadBack)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
