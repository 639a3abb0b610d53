#pragma once

#include "scene/ceiling_scene.h"

#include <QWidget>

#include <functional>
#include <memory>

class OffscreenRenderer;
class Prompts;
class QLabel;
class QSpinBox;
class SceneViewWidget;
class TRoom_OBJ;

// "3D效果": a window with the active room in 3D, the three camera presets, the room's
// ceiling height and "导出3D效果图". It follows the room's edits while it is open.
class Ceiling3DWindow : public QWidget {
public:
    struct Sources {
        std::function<TRoom_OBJ*()> room; // the room to show, null when there is none
        std::function<QString()> customerName;
        // The shown room's ceiling height in cm, and its change by the user.
        std::function<int()> ceilingHeight;
        std::function<void(int)> setCeilingHeight;
    };

    // The window for the room, shown; null, after telling the user why, when the room's
    // outline is open or this machine has no usable OpenGL.
    static Ceiling3DWindow* open(Sources sources, Prompts& prompts, QWidget* parent);
    ~Ceiling3DWindow() override;

    // Shows the room again when it was edited or another room became the one to show;
    // closes when there is none.
    void follow();
    const CeilingScene& scene() const { return scene_; }
    SceneViewWidget* view() const { return view_; }

private:
    Ceiling3DWindow(Sources sources, Prompts& prompts, std::unique_ptr<OffscreenRenderer> renderer,
                    SceneViewWidget* view, QWidget* parent);
    void buildControls();
    bool rebuild(TRoom_OBJ& room);
    void exportPicture();

    Sources sources_;
    Prompts& prompts_;
    std::unique_ptr<OffscreenRenderer> renderer_;
    SceneViewWidget* view_;
    QSpinBox* height_ = nullptr;
    QLabel* note_ = nullptr;
    CeilingScene scene_;
    const TRoom_OBJ* shown_ = nullptr; // compared only: the room may be gone
    QString shownTitle_;
    quint64 shownEdit_ = 0;
};
