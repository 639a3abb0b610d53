#pragma once

#include <QImage>
#include <QSize>

#include <memory>

struct CeilingScene;
struct SceneCamera;

// Draws a room's scene with a camera into a picture, without a window: Qt Quick 3D on an
// OpenGL context of its own (Mesa's software renderer where there is no graphics card).
// Lives on the thread of the application object.
class OffscreenRenderer {
public:
    // Null when this machine offers no usable OpenGL; the reason is then in `problem`.
    static std::unique_ptr<OffscreenRenderer> create(QString* problem = nullptr);
    ~OffscreenRenderer();
    OffscreenRenderer(const OffscreenRenderer&) = delete;
    OffscreenRenderer& operator=(const OffscreenRenderer&) = delete;

    // The scene drawn by the next pictures; what it shares with the last one is kept.
    void setScene(const CeilingScene& scene);
    // The scene seen by the camera, `size` pixels; null when drawing failed.
    QImage render(const SceneCamera& camera, QSize size);

private:
    struct Parts;
    explicit OffscreenRenderer(std::unique_ptr<Parts> parts);
    std::unique_ptr<Parts> parts_;
};

// One picture of a scene: a renderer made for it, or a null picture with the reason.
QImage renderScene(const CeilingScene& scene, const SceneCamera& camera, QSize size,
                   QString* problem = nullptr);

// What the user is told when 3D cannot be drawn on this machine.
QString noOpenGlMessage();
