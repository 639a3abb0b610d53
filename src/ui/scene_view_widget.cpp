#include "ui/scene_view_widget.h"

#include "view3d/scene_viewport.h"

#include <QMouseEvent>
#include <QQuickItem>
#include <QWheelEvent>

SceneViewWidget::SceneViewWidget(QWidget* parent) : QQuickWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

// The models go before the root item the widget owns.
SceneViewWidget::~SceneViewWidget() = default;

SceneViewWidget* SceneViewWidget::create(QWidget* parent, QString* problem) {
    auto* widget = new SceneViewWidget(parent);
    widget->viewport_ = SceneViewport::create(*widget->engine(), problem);
    if (!widget->viewport_) {
        delete widget;
        return nullptr;
    }
    widget->setResizeMode(QQuickWidget::SizeRootObjectToView);
    widget->setContent(QUrl(), nullptr, widget->viewport_->item());
    widget->viewport_->handOverItem();
    return widget;
}

void SceneViewWidget::showScene(const CeilingScene& scene) {
    viewport_->show(scene);
}

void SceneViewWidget::setCamera(const SceneCamera& camera) {
    orbit_ = OrbitCamera(camera);
    showCamera();
}

void SceneViewWidget::showCamera() {
    viewport_->setCamera(orbit_.camera());
}

void SceneViewWidget::mousePressEvent(QMouseEvent* event) {
    lastPointer_ = event->position();
    event->accept();
}

void SceneViewWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPointF moved = event->position() - lastPointer_;
    lastPointer_ = event->position();
    if (event->buttons() & Qt::LeftButton) {
        orbit_.orbit(moved);
    } else if (event->buttons() & (Qt::RightButton | Qt::MiddleButton)) {
        orbit_.pan(moved, height());
    } else {
        return;
    }
    showCamera();
    event->accept();
}

void SceneViewWidget::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

void SceneViewWidget::wheelEvent(QWheelEvent* event) {
    orbit_.zoom(event->angleDelta().y());
    showCamera();
    event->accept();
}
