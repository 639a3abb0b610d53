#include "ui/ceiling_3d_window.h"

#include "core/troom_obj.h"
#include "platform/prompts.h"
#include "quote/setup_form.h"
#include "scene/scene_builder.h"
#include "scene/scene_camera.h"
#include "ui/scene_view_widget.h"
#include "view3d/offscreen_renderer.h"
#include "view3d/picture_export.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

Ceiling3DWindow* Ceiling3DWindow::open(Sources sources, Prompts& prompts, QWidget* parent) {
    TRoom_OBJ* room = sources.room ? sources.room() : nullptr;
    if (!room) {
        return nullptr;
    }
    if (!outlineClosed(*room)) {
        prompts.message(openOutlineMessage());
        return nullptr;
    }
    // The offscreen renderer proves that OpenGL works before any Qt Quick window exists.
    QString problem;
    std::unique_ptr<OffscreenRenderer> renderer = OffscreenRenderer::create(&problem);
    SceneViewWidget* view = renderer ? SceneViewWidget::create(nullptr, &problem) : nullptr;
    if (!view) {
        prompts.message(noOpenGlMessage());
        return nullptr;
    }
    auto* window =
        new Ceiling3DWindow(std::move(sources), prompts, std::move(renderer), view, parent);
    window->follow();
    window->show();
    return window;
}

Ceiling3DWindow::Ceiling3DWindow(Sources sources, Prompts& prompts,
                                 std::unique_ptr<OffscreenRenderer> renderer, SceneViewWidget* view,
                                 QWidget* parent)
    : QWidget(parent, Qt::Window), sources_(std::move(sources)), prompts_(prompts),
      renderer_(std::move(renderer)), view_(view) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("ceiling3DWindow"));
    resize(1000, 680);
    buildControls();
}

Ceiling3DWindow::~Ceiling3DWindow() {
    // The view's Qt Quick scene goes before the renderer's OpenGL context.
    delete view_;
}

void Ceiling3DWindow::buildControls() {
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    layout->addLayout(bar);
    for (const CameraPreset preset :
         {CameraPreset::StandingInside, CameraPreset::FromOutside, CameraPreset::StraightBelow}) {
        auto* button = new QPushButton(cameraPresetCaption(preset), this);
        button->setObjectName(QStringLiteral("preset%1").arg(int(preset)));
        connect(button, &QPushButton::clicked, this,
                [this, preset] { view_->setCamera(presetCamera(scene_, preset)); });
        bar->addWidget(button);
    }
    bar->addSpacing(20);
    bar->addWidget(new QLabel(QStringLiteral("吊顶高度(cm)"), this));
    height_ = new QSpinBox(this);
    height_->setObjectName(QStringLiteral("ceilingHeight"));
    height_->setRange(setup_limits::ceilingHeightMin, setup_limits::ceilingHeightMax);
    connect(height_, &QSpinBox::editingFinished, this, [this] {
        TRoom_OBJ* room = sources_.room();
        if (room && room == shown_ && height_->value() != sources_.ceilingHeight()) {
            sources_.setCeilingHeight(height_->value());
            rebuild(*room);
        }
    });
    bar->addWidget(height_);
    bar->addStretch(1);
    auto* exportButton = new QPushButton(QStringLiteral("导出3D效果图"), this);
    exportButton->setObjectName(QStringLiteral("export3DPicture"));
    connect(exportButton, &QPushButton::clicked, this, [this] { exportPicture(); });
    bar->addWidget(exportButton);
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("note"));
    layout->addWidget(note_);
    view_->setParent(this);
    layout->addWidget(view_, 1);
}

void Ceiling3DWindow::follow() {
    TRoom_OBJ* room = sources_.room();
    if (!room) {
        close();
        return;
    }
    if (room == shown_ && room->editCount == shownEdit_) {
        return;
    }
    const bool otherRoom = room != shown_;
    shown_ = room;
    shownEdit_ = room->editCount;
    shownTitle_ = room->getName();
    setWindowTitle(QStringLiteral("3D效果 - ") + shownTitle_);
    if (rebuild(*room) && otherRoom) {
        view_->setCamera(presetCamera(scene_, CameraPreset::StandingInside));
    }
}

// The scene made again from the room; an outline left open keeps the last scene shown.
bool Ceiling3DWindow::rebuild(TRoom_OBJ& room) {
    {
        const QSignalBlocker quiet(height_);
        height_->setValue(sources_.ceilingHeight());
    }
    std::optional<CeilingScene> scene = buildCeilingScene(room, height_->value());
    if (!scene) {
        note_->setText(openOutlineMessage());
        note_->show();
        return false;
    }
    note_->hide();
    scene_ = std::move(*scene);
    view_->showScene(scene_);
    return true;
}

void Ceiling3DWindow::exportPicture() {
    export3DPicture(*renderer_, scene_, view_->camera(), prompts_, sources_.customerName(),
                    shownTitle_);
}
