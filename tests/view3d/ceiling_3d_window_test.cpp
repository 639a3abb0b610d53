#include "scene/scene_builder.h"
#include "scene/scene_camera.h"
#include "scene/scene_fixture.h"
#include "support/scripted_prompts.h"
#include "ui/ceiling_3d_window.h"
#include "ui/scene_view_widget.h"
#include "view3d_support.h"

#include <QImageReader>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace scene_sample;

namespace {

// The blue of both sample panels' pictures tells them apart: 10 for one, 200 for the other.
int blueAt(SceneViewWidget& view, QVector3D point) {
    const QImage frame = view.grabFramebuffer();
    const QPoint at = view3dtest::project(view.camera(), frame.size(), point).toPoint();
    return frame.rect().contains(at) ? frame.pixelColor(at).blue() : -1000;
}

class Ceiling3DWindowTest : public ::testing::Test {
protected:
    Ceiling3DWindowTest() { addProducts(library); }

    Ceiling3DWindow* open() {
        Ceiling3DWindow::Sources sources;
        sources.room = [this] { return room.get(); };
        sources.customerName = [] { return QStringLiteral("张三"); };
        sources.ceilingHeight = [this] { return heightCm; };
        sources.setCeilingHeight = [this](int cm) { heightCm = cm; };
        return Ceiling3DWindow::open(std::move(sources), prompts, nullptr);
    }

    TestLibrary library;
    ScriptedPrompts prompts;
    std::unique_ptr<TRoom_OBJ> room;
    int heightCm = 260;
};

} // namespace

// The window shows the room, takes each preset, follows an edit of the room and exports
// the current camera's picture at 1600 × 1000.
TEST_F(Ceiling3DWindowTest, ShowsPresetsFollowsEditsAndExports) {
    room = sceneRoom(library, tiledRoomCorners());
    placeEverywhere(*room, Panel, 21, 21, 28, 26);
    std::unique_ptr<Ceiling3DWindow> window(open());
    ASSERT_TRUE(window) << qPrintable(prompts.messages().join(u'\n'));
    window->resize(800, 560);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    SceneViewWidget& view = *window->view();

    const CeilingScene& scene = window->scene();
    for (CameraPreset preset :
         {CameraPreset::FromOutside, CameraPreset::StandingInside, CameraPreset::StraightBelow}) {
        window->findChild<QPushButton*>(QStringLiteral("preset%1").arg(int(preset)))->click();
        const SceneCamera expected = presetCamera(scene, preset);
        EXPECT_LT((view.camera().eye - expected.eye).length(), 1e-3f);
        EXPECT_LT((view.camera().target - expected.target).length(), 1e-3f);
    }
    // Straight up, the whole ceiling is in view; a panel's middle in the room's left half
    // (the room spans 10..14 × 10..13 m on 0.5 m cells).
    const QVector3D leftHalf(11.25f, 2.6f, 11.25f);
    EXPECT_NEAR(blueAt(view, leftHalf), 10, 12);

    placeEverywhere(*room, Other, 21, 21, 24, 26);
    room->recordStep();
    window->follow();
    EXPECT_NEAR(blueAt(view, leftHalf), 200, 12);
    EXPECT_NEAR(blueAt(view, QVector3D(13.25f, 2.6f, 11.25f)), 10, 12);

    // The room's own ceiling height, changed in the window, raises the ceiling.
    auto* height = window->findChild<QSpinBox*>(QStringLiteral("ceilingHeight"));
    EXPECT_EQ(height->value(), 260);
    height->setValue(300);
    emit height->editingFinished();
    EXPECT_EQ(heightCm, 300);
    EXPECT_NEAR(window->scene().boundsMax.y(), 3.0f, 1e-4f);

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("room.jpg"));
    prompts.answerPath(path);
    window->findChild<QPushButton*>(QStringLiteral("export3DPicture"))->click();
    QImageReader written(path);
    EXPECT_EQ(written.format(), "jpeg");
    EXPECT_EQ(written.size(), QSize(1600, 1000));
}

// A room whose walls do not close opens nothing and says why.
TEST_F(Ceiling3DWindowTest, OpenOutlineOpensNothing) {
    room = sceneRoom(library, {{1000, 1000}, {1400, 1000}});
    EXPECT_EQ(open(), nullptr);
    EXPECT_EQ(prompts.messages(), QStringList{openOutlineMessage()});
}
