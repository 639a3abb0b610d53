#pragma once

#include <memory>

class QQmlEngine;
class QString;
class QQuickItem;
struct CeilingScene;
struct SceneCamera;

// The Qt Quick 3D item that shows a room's scene: one model per mesh, its geometry and
// picture handed over as they are, so that every product is one draw call. Both the
// window's view and the offscreen pictures draw through it.
class SceneViewport {
public:
    // Null when the engine lacks the Qt Quick 3D module; the reason is then in `problem`.
    static std::unique_ptr<SceneViewport> create(QQmlEngine& engine, QString* problem);
    ~SceneViewport();
    SceneViewport(const SceneViewport&) = delete;
    SceneViewport& operator=(const SceneViewport&) = delete;

    // The View3D item, owned by this object unless a host took it over.
    QQuickItem* item() const;
    // A host that shows the item as its root owns it from now on; it must outlive this.
    void handOverItem();
    // Shows the scene; models and pictures already shown are updated in place.
    void show(const CeilingScene& scene);
    void setCamera(const SceneCamera& camera);
    // The number of models shown, one per mesh.
    int modelCount() const;

private:
    struct Parts;
    explicit SceneViewport(std::unique_ptr<Parts> parts);
    std::unique_ptr<Parts> parts_;
};
