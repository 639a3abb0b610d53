#pragma once

#include "view3d/orbit_camera.h"

#include <QQuickWidget>

#include <memory>

class SceneViewport;

// The 3D view inside a widgets window: the scene drawn by Qt Quick 3D, steered by the
// pointer. A left drag orbits, a right or middle drag pans, the wheel zooms.
class SceneViewWidget : public QQuickWidget {
public:
    // Null when Qt Quick 3D cannot be loaded.
    static SceneViewWidget* create(QWidget* parent, QString* problem);
    ~SceneViewWidget() override;

    void showScene(const CeilingScene& scene);
    // Starts steering from this camera.
    void setCamera(const SceneCamera& camera);
    SceneCamera camera() const { return orbit_.camera(); }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    explicit SceneViewWidget(QWidget* parent);
    void showCamera();

    std::unique_ptr<SceneViewport> viewport_;
    OrbitCamera orbit_;
    QPointF lastPointer_;
};
