#include "scene/scene_assembly.h"

#include "core/tpic_rec.h"
#include "scene/polygon_triangulation.h"

#include <QtGlobal>

#include <algorithm>
#include <limits>

namespace {

// The picture with the product's key colour see-through.
QImage withKeyTransparent(const tpic_rec& product) {
    QImage picture = product.picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = toQRgb(product.transparentColor) & 0xFFFFFFu;
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            if ((line[x] & 0xFFFFFFu) == key) {
                line[x] = 0;
            }
        }
    }
    return picture;
}

bool convex(const std::vector<QPointF>& polygon) {
    const std::size_t n = polygon.size();
    for (std::size_t i = 0; i < n; ++i) {
        const QPointF a = polygon[i];
        const QPointF b = polygon[(i + 1) % n];
        const QPointF c = polygon[(i + 2) % n];
        if ((b.x() - a.x()) * (c.y() - a.y()) - (b.y() - a.y()) * (c.x() - a.x()) < 0) {
            return false;
        }
    }
    return true;
}

const QColor PlainProduct(214, 214, 210);

} // namespace

SceneAssembly::SceneAssembly(CeilingScene& scene) : scene_(scene) {
    for (std::size_t i = 0; i < scene.materials.size(); ++i) {
        const SceneMaterial& m = scene.materials[i];
        if (m.productId >= 0) {
            productMaterials_[{m.productId, m.orientation}] = int(i);
        } else {
            colourMaterials_[m.name] = int(i);
        }
    }
    for (std::size_t i = 0; i < scene.meshes.size(); ++i) {
        meshes_[{int(scene.meshes[i].kind), scene.meshes[i].material}] = i;
    }
}

int SceneAssembly::productMaterial(const tpic_rec& product) {
    const std::pair<int, int> key{product.id, product.orientation};
    if (auto found = productMaterials_.find(key); found != productMaterials_.end()) {
        return found->second;
    }
    SceneMaterial material;
    material.name = product.title;
    material.productId = product.id;
    material.orientation = product.orientation;
    material.colour = PlainProduct;
    if (!product.picture.isNull()) {
        material.picture = product.transparent ? withKeyTransparent(product) : product.picture;
    }
    scene_.materials.push_back(std::move(material));
    return productMaterials_[key] = int(scene_.materials.size() - 1);
}

int SceneAssembly::colourMaterial(const QString& name, const QColor& colour, bool doubleSided) {
    if (auto found = colourMaterials_.find(name); found != colourMaterials_.end()) {
        return found->second;
    }
    SceneMaterial material;
    material.name = name;
    material.colour = colour;
    material.doubleSided = doubleSided;
    scene_.materials.push_back(std::move(material));
    return colourMaterials_[name] = int(scene_.materials.size() - 1);
}

SceneMesh& SceneAssembly::mesh(SceneMesh::Kind kind, int material) {
    const std::pair<int, int> key{int(kind), material};
    if (auto found = meshes_.find(key); found != meshes_.end()) {
        return scene_.meshes[found->second];
    }
    SceneMesh mesh;
    mesh.kind = kind;
    mesh.material = material;
    mesh.name = scene_.materials[std::size_t(material)].name;
    scene_.meshes.push_back(std::move(mesh));
    meshes_[key] = scene_.meshes.size() - 1;
    return scene_.meshes.back();
}

void SceneAssembly::addFlat(SceneMesh& mesh, const std::vector<QPointF>& polygon, double heightCm,
                            bool facingDown, const UvFrame& uv) {
    const auto first = std::uint32_t(mesh.positions.size() / 3);
    const float y = toMetres(heightCm);
    const float normalY = facingDown ? -1.0f : 1.0f;
    for (const QPointF& p : polygon) {
        mesh.positions.insert(mesh.positions.end(), {toMetres(p.x()), y, toMetres(p.y())});
        mesh.normals.insert(mesh.normals.end(), {0.0f, normalY, 0.0f});
        mesh.uvs.insert(mesh.uvs.end(), {float((p.x() - uv.origin.x()) / uv.uLength),
                                         float((p.y() - uv.origin.y()) / uv.vLength)});
    }
    // Clockwise on the plan faces down; the floor turns each triangle over.
    const auto addTriangle = [&mesh, first, facingDown](std::uint32_t a, std::uint32_t b,
                                                        std::uint32_t c) {
        mesh.indices.insert(mesh.indices.end(), {first + a, first + (facingDown ? b : c),
                                                 first + (facingDown ? c : b)});
    };
    if (convex(polygon)) {
        for (std::uint32_t i = 1; i + 1 < polygon.size(); ++i) {
            addTriangle(0, i, i + 1);
        }
        return;
    }
    const std::vector<std::uint32_t> triangles = triangulatePolygon(polygon);
    for (std::size_t t = 0; t + 2 < triangles.size(); t += 3) {
        addTriangle(triangles[t], triangles[t + 1], triangles[t + 2]);
    }
}

void SceneAssembly::addUpright(SceneMesh& mesh, QPointF a, QPointF b, double bottomCm,
                               double topCm) {
    const QPointF d = b - a;
    const double length = std::hypot(d.x(), d.y());
    if (length <= 0 || topCm <= bottomCm) {
        return;
    }
    const auto first = std::uint32_t(mesh.positions.size() / 3);
    const float nx = float(-d.y() / length);
    const float nz = float(d.x() / length);
    const float bottom = toMetres(bottomCm);
    const float top = toMetres(topCm);
    const float along = toMetres(length);
    const struct {
        QPointF at;
        float y;
        float u;
    } corners[] = {{a, bottom, 0}, {b, bottom, along}, {b, top, along}, {a, top, 0}};
    for (const auto& corner : corners) {
        mesh.positions.insert(mesh.positions.end(),
                              {toMetres(corner.at.x()), corner.y, toMetres(corner.at.y())});
        mesh.normals.insert(mesh.normals.end(), {nx, 0.0f, nz});
        mesh.uvs.insert(mesh.uvs.end(), {corner.u, -corner.y});
    }
    mesh.indices.insert(mesh.indices.end(),
                        {first, first + 1, first + 2, first, first + 2, first + 3});
}

void SceneAssembly::finish() {
    constexpr float big = std::numeric_limits<float>::max();
    QVector3D low(big, big, big), high(-big, -big, -big);
    for (const SceneMesh& mesh : scene_.meshes) {
        for (std::size_t i = 0; i + 2 < mesh.positions.size(); i += 3) {
            const QVector3D p(mesh.positions[i], mesh.positions[i + 1], mesh.positions[i + 2]);
            low = QVector3D(std::min(low.x(), p.x()), std::min(low.y(), p.y()),
                            std::min(low.z(), p.z()));
            high = QVector3D(std::max(high.x(), p.x()), std::max(high.y(), p.y()),
                             std::max(high.z(), p.z()));
        }
    }
    if (low.x() <= high.x()) {
        scene_.boundsMin = low;
        scene_.boundsMax = high;
    }
}
