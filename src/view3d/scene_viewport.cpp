#include "view3d/scene_viewport.h"

#include "scene/ceiling_scene.h"
#include "view3d/quick_scene_data.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuaternion>
#include <QQuickItem>
#include <QtQuick3D/QQuick3DGeometry>
#include <QtQuick3D/QQuick3DObject>
#include <QtQuick3D/QQuick3DTextureData>

#include <vector>

namespace {

// The room lies in metres: the near plane a few millimetres, the far plane well past the
// largest plan (20 m) seen from outside.
constexpr const char* viewportQml = R"(
import QtQuick
import QtQuick3D
View3D {
    camera: camera
    environment: SceneEnvironment {
        backgroundMode: SceneEnvironment.Color
        clearColor: "#d8dde3"
    }
    PerspectiveCamera {
        id: camera
        objectName: "camera"
        clipNear: 0.005
        clipFar: 200
    }
    DirectionalLight {
        eulerRotation: Qt.vector3d(-50, -30, 0)
        ambientColor: Qt.rgba(0.45, 0.45, 0.45, 1)
        brightness: 0.7
    }
    Node { objectName: "content" }
}
)";

// One mesh: pictures and the ceiling show their own colours unlit, as on the plan; walls
// and floor are lit so that their faces read apart. Faces turned away are not drawn, so a
// camera outside the room sees through the wall between.
constexpr const char* meshQml = R"(
import QtQuick
import QtQuick3D
Model {
    property color colour: "white"
    property bool lit: false
    property bool textured: false
    property alias textureData: picture.textureData
    Texture {
        id: picture
        generateMipmaps: true
        mipFilter: Texture.Linear
    }
    materials: DefaultMaterial {
        lighting: lit ? DefaultMaterial.FragmentLighting : DefaultMaterial.NoLighting
        diffuseColor: textured ? "white" : colour
        diffuseMap: textured ? picture : null
    }
}
)";

bool isLit(SceneMesh::Kind kind) {
    return kind == SceneMesh::Kind::Walls || kind == SceneMesh::Kind::Floor;
}

// The camera of Qt Quick 3D looks down its local -Z with +Y up.
QQuaternion cameraRotation(const SceneCamera& camera) {
    return QQuaternion::fromDirection(camera.eye - camera.target, camera.up);
}

struct ShownPicture {
    QQuick3DTextureData* data = nullptr;
    qint64 imageKey = 0;
};

} // namespace

struct SceneViewport::Parts {
    QQmlEngine* engine = nullptr;
    std::unique_ptr<QQmlComponent> meshComponent;
    std::unique_ptr<QQuickItem> view;
    QQuickItem* shownView = nullptr; // the same, also when a host owns it
    QObject* camera = nullptr;
    QQuick3DObject* content = nullptr;
    // Owned by `content`'s object tree; models before pictures when they go.
    std::vector<QObject*> models;
    std::vector<QQuick3DGeometry*> geometries;
    std::vector<ShownPicture> pictures;

    QObject* newModel() {
        auto* model = qobject_cast<QQuick3DObject*>(meshComponent->create());
        model->setParent(content);
        model->setParentItem(content);
        auto* geometry = new QQuick3DGeometry;
        geometry->setParent(model);
        model->setProperty("geometry", QVariant::fromValue(geometry));
        models.push_back(model);
        geometries.push_back(geometry);
        return model;
    }

    void showPictures(const std::vector<SceneMaterial>& materials) {
        while (pictures.size() < materials.size()) {
            auto* data = new QQuick3DTextureData;
            data->setParent(content);
            pictures.push_back({data, 0});
        }
        for (std::size_t i = 0; i < materials.size(); ++i) {
            const QImage& image = materials[i].picture;
            if (!image.isNull() && pictures[i].imageKey != image.cacheKey()) {
                quickdata::fillTexture(*pictures[i].data, image);
                pictures[i].imageKey = image.cacheKey();
            }
        }
    }
};

SceneViewport::SceneViewport(std::unique_ptr<Parts> parts) : parts_(std::move(parts)) {}

SceneViewport::~SceneViewport() {
    // The models refer to the pictures: they go first.
    for (QObject* model : parts_->models) {
        delete model;
    }
}

std::unique_ptr<SceneViewport> SceneViewport::create(QQmlEngine& engine, QString* problem) {
    auto parts = std::make_unique<Parts>();
    parts->engine = &engine;
    QQmlComponent viewComponent(&engine);
    viewComponent.setData(viewportQml, QUrl());
    parts->meshComponent = std::make_unique<QQmlComponent>(&engine);
    parts->meshComponent->setData(meshQml, QUrl());
    if (!viewComponent.isReady() || !parts->meshComponent->isReady()) {
        if (problem) {
            *problem = viewComponent.errorString() + parts->meshComponent->errorString();
        }
        return nullptr;
    }
    parts->view.reset(qobject_cast<QQuickItem*>(viewComponent.create()));
    parts->shownView = parts->view.get();
    if (!parts->view) {
        if (problem) {
            *problem = viewComponent.errorString();
        }
        return nullptr;
    }
    parts->camera = parts->view->findChild<QObject*>(QStringLiteral("camera"));
    parts->content = parts->view->findChild<QQuick3DObject*>(QStringLiteral("content"));
    return std::unique_ptr<SceneViewport>(new SceneViewport(std::move(parts)));
}

QQuickItem* SceneViewport::item() const {
    return parts_->shownView;
}

void SceneViewport::handOverItem() {
    (void)parts_->view.release();
}

void SceneViewport::show(const CeilingScene& scene) {
    Parts& p = *parts_;
    p.showPictures(scene.materials);
    while (p.models.size() > scene.meshes.size()) {
        delete p.models.back();
        p.models.pop_back();
        p.geometries.pop_back();
    }
    while (p.models.size() < scene.meshes.size()) {
        p.newModel();
    }
    for (std::size_t i = 0; i < scene.meshes.size(); ++i) {
        const SceneMesh& mesh = scene.meshes[i];
        QObject* model = p.models[i];
        quickdata::fillGeometry(*p.geometries[i], mesh);
        const bool known =
            mesh.material >= 0 && std::size_t(mesh.material) < scene.materials.size();
        const SceneMaterial* material =
            known ? &scene.materials[std::size_t(mesh.material)] : nullptr;
        const bool textured = material && !material->picture.isNull();
        model->setProperty("objectName", mesh.name);
        model->setProperty("lit", isLit(mesh.kind));
        model->setProperty("colour", material ? material->colour : QColor(Qt::lightGray));
        model->setProperty(
            "textureData",
            QVariant::fromValue(textured ? p.pictures[std::size_t(mesh.material)].data : nullptr));
        model->setProperty("textured", textured);
    }
}

void SceneViewport::setCamera(const SceneCamera& camera) {
    Parts& p = *parts_;
    p.camera->setProperty("position", camera.eye);
    p.camera->setProperty("rotation", cameraRotation(camera));
    p.camera->setProperty("fieldOfView", camera.verticalFieldOfView);
}

int SceneViewport::modelCount() const {
    return int(parts_->models.size());
}
