#include "view3d/quick_scene_data.h"

#include "scene/ceiling_scene.h"

#include <QByteArray>
#include <QImage>
#include <QtQuick3D/QQuick3DGeometry>
#include <QtQuick3D/QQuick3DTextureData>

#include <algorithm>
#include <cstring>
#include <limits>

namespace quickdata {

void fillGeometry(QQuick3DGeometry& geometry, const SceneMesh& mesh) {
    const std::size_t count = mesh.positions.size() / 3;
    const bool withNormals = mesh.normals.size() == count * 3;
    const bool withUvs = mesh.uvs.size() == count * 2;
    const int floats = 3 + (withNormals ? 3 : 0) + (withUvs ? 2 : 0);
    const int stride = floats * int(sizeof(float));

    QByteArray vertices(qsizetype(count) * stride, Qt::Uninitialized);
    auto* out = reinterpret_cast<float*>(vertices.data());
    constexpr float huge = std::numeric_limits<float>::max();
    QVector3D low(huge, huge, huge);
    QVector3D high(-huge, -huge, -huge);
    for (std::size_t v = 0; v < count; ++v) {
        const QVector3D p(mesh.positions[3 * v], mesh.positions[3 * v + 1],
                          mesh.positions[3 * v + 2]);
        low =
            QVector3D(std::min(low.x(), p.x()), std::min(low.y(), p.y()), std::min(low.z(), p.z()));
        high = QVector3D(std::max(high.x(), p.x()), std::max(high.y(), p.y()),
                         std::max(high.z(), p.z()));
        out = std::copy_n(&mesh.positions[3 * v], 3, out);
        if (withNormals) {
            out = std::copy_n(&mesh.normals[3 * v], 3, out);
        }
        if (withUvs) {
            out = std::copy_n(&mesh.uvs[2 * v], 2, out);
        }
    }
    QByteArray indices(qsizetype(mesh.indices.size() * sizeof(std::uint32_t)), Qt::Uninitialized);
    if (!mesh.indices.empty()) {
        std::memcpy(indices.data(), mesh.indices.data(), std::size_t(indices.size()));
    }

    geometry.clear();
    geometry.setPrimitiveType(QQuick3DGeometry::PrimitiveType::Triangles);
    geometry.setStride(stride);
    geometry.addAttribute(QQuick3DGeometry::Attribute::PositionSemantic, 0,
                          QQuick3DGeometry::Attribute::F32Type);
    int offset = 3 * int(sizeof(float));
    if (withNormals) {
        geometry.addAttribute(QQuick3DGeometry::Attribute::NormalSemantic, offset,
                              QQuick3DGeometry::Attribute::F32Type);
        offset += 3 * int(sizeof(float));
    }
    if (withUvs) {
        geometry.addAttribute(QQuick3DGeometry::Attribute::TexCoord0Semantic, offset,
                              QQuick3DGeometry::Attribute::F32Type);
    }
    geometry.addAttribute(QQuick3DGeometry::Attribute::IndexSemantic, 0,
                          QQuick3DGeometry::Attribute::U32Type);
    geometry.setVertexData(vertices);
    geometry.setIndexData(indices);
    if (count > 0) {
        geometry.setBounds(low, high);
    }
    geometry.update();
}

void fillTexture(QQuick3DTextureData& texture, const QImage& picture) {
    const QImage rgba = picture.convertToFormat(QImage::Format_RGBA8888);
    texture.setSize(rgba.size());
    texture.setFormat(QQuick3DTextureData::RGBA8);
    texture.setHasTransparency(picture.hasAlphaChannel());
    texture.setTextureData(
        QByteArray(reinterpret_cast<const char*>(rgba.constBits()), rgba.sizeInBytes()));
}

} // namespace quickdata
