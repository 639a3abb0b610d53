#include "view3d/offscreen_renderer.h"
#include "view3d_support.h"

#include <gtest/gtest.h>

using namespace view3dtest;

namespace {

const QColor red(220, 30, 30);
const QColor yellow(240, 220, 20);
const QColor green(30, 170, 60);
const QColor ceilingBlue(0, 77, 156);

// A 2 × 1 m ceiling with a pictured panel over its left metre and a plain green panel over
// its right metre, and an empty ceiling around them a few millimetres higher.
CeilingScene twoPanels() {
    CeilingScene scene;
    scene.materials.push_back({QStringLiteral("ceiling"), {}, ceilingBlue});
    scene.materials.push_back({QStringLiteral("pictured"), twoTonePicture(red, yellow), {}});
    scene.materials.push_back({QStringLiteral("plain"), {}, green});
    scene.meshes.push_back(
        ceilingQuad(SceneMesh::Kind::Ceiling, 0, -3, -3, 5, 4, ceilingHeight + 0.005f));
    scene.meshes.push_back(ceilingQuad(SceneMesh::Kind::SquarePanels, 1, 0, 0, 1, 1));
    scene.meshes.push_back(ceilingQuad(SceneMesh::Kind::SquarePanels, 2, 1, 0, 2, 1));
    scene.boundsMin = {-3, 0, -3};
    scene.boundsMax = {5, ceilingHeight, 4};
    return scene;
}

struct Probe {
    QVector3D point;
    QColor colour;
};

const Probe probes[] = {
    {{0.5f, ceilingHeight, 0.25f}, red},    // the picture's top half lies towards plan top
    {{0.5f, ceilingHeight, 0.75f}, yellow}, // its bottom half towards plan bottom
    {{1.5f, ceilingHeight, 0.5f}, green},
    {{1.0f, ceilingHeight, 1.35f}, ceilingBlue},
};

struct View {
    const char* name;
    SceneCamera camera;
};

const View views[] = {
    {"straight up", {{1, 1.6f, 0.5f}, {1, ceilingHeight, 0.5f}, {0, 0, -1}, 90}},
    {"straight up turned", {{1, 1.2f, 0.5f}, {1, ceilingHeight, 0.5f}, {1, 0, 0}, 75}},
    {"from a corner", {{-0.5f, 1.6f, 2.0f}, {1, ceilingHeight, 0.4f}, {0, 1, 0}, 60}},
};

} // namespace

// Each panel shows where the camera must see it, whichever way the camera looks; the
// picture keeps its top towards the plan's top.
TEST(OffscreenRenderer, PanelsAppearWhereTheCameraSeesThem) {
    QString problem;
    const std::unique_ptr<OffscreenRenderer> renderer = OffscreenRenderer::create(&problem);
    ASSERT_TRUE(renderer) << qPrintable(problem);
    renderer->setScene(twoPanels());
    const QSize size(640, 400);
    for (const View& view : views) {
        const QImage frame = renderer->render(view.camera, size);
        ASSERT_EQ(frame.size(), size) << view.name;
        for (const Probe& probe : probes) {
            const QPoint at = project(view.camera, size, probe.point).toPoint();
            ASSERT_TRUE(frame.rect().contains(at)) << view.name;
            const QColor seen = frame.pixelColor(at);
            EXPECT_TRUE(near(seen, probe.colour))
                << view.name << " at " << at.x() << "," << at.y() << " saw "
                << qPrintable(seen.name()) << " wanted " << qPrintable(probe.colour.name());
        }
    }
}

// A changed scene is drawn as changed: a panel's picture replaced and a panel taken away.
TEST(OffscreenRenderer, DrawsTheSceneAsItChanges) {
    const std::unique_ptr<OffscreenRenderer> renderer = OffscreenRenderer::create();
    ASSERT_TRUE(renderer);
    CeilingScene scene = twoPanels();
    renderer->setScene(scene);
    const SceneCamera camera = views[0].camera;
    const QSize size(320, 200);
    renderer->render(camera, size);

    scene.materials[1].picture = twoTonePicture(green, green);
    scene.meshes.pop_back();
    renderer->setScene(scene);
    const QImage frame = renderer->render(camera, size);
    const auto colourAt = [&](QVector3D p) {
        return frame.pixelColor(project(camera, size, p).toPoint());
    };
    EXPECT_TRUE(near(colourAt(probes[0].point), green));
    EXPECT_TRUE(near(colourAt(probes[2].point), ceilingBlue));
}
