#include "scene/scene_fixture.h"

#include "library/product_library.h"
#include "platform/picture.h"

#include <QVector3D>

#include <cmath>

QImage scene_sample::cornerPicture(int w, int h, int shade) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            image.setPixel(x, y, qRgb(x * 255 / (w - 1), y * 255 / (h - 1), shade));
        }
    }
    return image;
}

void scene_sample::addProducts(TestLibrary& library) {
    library.addCategory(1, QStringLiteral("扣板"));
    library.addCategory(2, QStringLiteral("电器"));
    const auto bmp = [](int w, int h, int shade) {
        return picture::writeBmp(cornerPicture(w, h, shade));
    };
    library.addProduct(Panel, 1, QStringLiteral("方板"), KindSquarePanel, 500, 500, bmp(8, 8, 10));
    library.addProduct(Other, 1, QStringLiteral("花板"), KindSquarePanel, 500, 500, bmp(8, 8, 200));
    library.addProduct(Lamp, 2, QStringLiteral("灯"), KindAppliance, 500, 500, bmp(4, 4, 90));
    library.addProduct(Bare, 2, QStringLiteral("无图灯"), KindAppliance, 500, 500, QByteArray());
    library.addProduct(Chandelier, 2, QStringLiteral("吊灯"), KindFloating, 1000, 1000,
                       bmp(6, 6, 150));
    library.addProduct(Strip, 1, QStringLiteral("条板"), KindStrip, 2000, 500, bmp(16, 4, 60));
}

std::unique_ptr<TRoom_OBJ> sceneRoom(TestLibrary& library, const QList<QPoint>& corners,
                                     const QList<quint8>& kinds, int roomMode) {
    std::unique_ptr<TRoom_OBJ> room = designRoom(library, roomMode, scene_sample::CellMm);
    room->wall.setOutline(corners, kinds);
    room->setTool(FirstDesignTool);
    room->computeActiveRange();
    return room;
}

QList<QPoint> tiledRoomCorners() {
    return rectangleCorners(1000, 1000, 1400, 1300);
}

std::size_t vertexCount(const CeilingScene& scene, SceneMesh::Kind kind) {
    std::size_t count = 0;
    for (const SceneMesh& mesh : scene.meshes) {
        if (mesh.kind == kind) {
            count += mesh.positions.size() / 3;
        }
    }
    return count;
}

double planArea(const CeilingScene& scene, SceneMesh::Kind kind) {
    double area = 0;
    for (const SceneMesh& mesh : scene.meshes) {
        if (mesh.kind != kind) {
            continue;
        }
        const auto at = [&mesh](std::uint32_t i) {
            return QPointF(mesh.positions[3 * i], mesh.positions[3 * i + 2]);
        };
        for (std::size_t t = 0; t + 2 < mesh.indices.size(); t += 3) {
            const QPointF a = at(mesh.indices[t]), b = at(mesh.indices[t + 1]),
                          c = at(mesh.indices[t + 2]);
            area +=
                std::abs((b.x() - a.x()) * (c.y() - a.y()) - (b.y() - a.y()) * (c.x() - a.x())) / 2;
        }
    }
    return area;
}

const SceneMesh* meshOf(const CeilingScene& scene, SceneMesh::Kind kind, int productId,
                        int orientation) {
    for (const SceneMesh& mesh : scene.meshes) {
        const SceneMaterial& material = scene.materials[std::size_t(mesh.material)];
        if (mesh.kind == kind && material.productId == productId &&
            material.orientation == orientation) {
            return &mesh;
        }
    }
    return nullptr;
}

int quadCorner(const float* positions, std::size_t vertices, QPointF middle, QPointF corner) {
    const auto near = [](double a, double b) { return std::abs(a - b) < 1e-4; };
    for (std::size_t q = 0; q + 3 < vertices; q += 4) {
        QPointF sum;
        for (std::size_t v = q; v < q + 4; ++v) {
            sum += QPointF(positions[3 * v], positions[3 * v + 2]);
        }
        if (!near(sum.x() / 4, middle.x()) || !near(sum.y() / 4, middle.y())) {
            continue;
        }
        for (std::size_t v = q; v < q + 4; ++v) {
            if (near(positions[3 * v], corner.x()) && near(positions[3 * v + 2], corner.y())) {
                return int(v);
            }
        }
    }
    return -1;
}

QRgb texelAtCorner(const CeilingScene& scene, const SceneMesh& mesh, QPointF middle,
                   QPointF corner) {
    const QImage& picture = scene.materials[std::size_t(mesh.material)].picture;
    const int v = quadCorner(mesh.positions.data(), mesh.positions.size() / 3, middle, corner);
    if (v < 0) {
        ADD_FAILURE() << "no corner at " << corner.x() << ", " << corner.y();
        return 0;
    }
    // The texel that the coordinate starts, pulled inside the picture.
    const float u = std::clamp(mesh.uvs[2 * std::size_t(v)], 0.0f, 0.999f);
    const float t = std::clamp(mesh.uvs[2 * std::size_t(v) + 1], 0.0f, 0.999f);
    return picture.pixel(int(u * float(picture.width())), int(t * float(picture.height())));
}
