#include "scene/gltf_export.h"

#include <QBuffer>
#include <QSaveFile>
#include <QTransform>
#include <tiny_gltf.h>

#include <cmath>
#include <map>
#include <sstream>

namespace {

// Texture coordinates on the picture turned by `orientation` back to the standard
// picture: a quarter turn clockwise takes (u, v) of the standard picture to (1 - v, u).
std::pair<float, float> standardUv(float u, float v, int orientation) {
    switch (orientation & 3) {
    case 1:
        return {v, 1 - u};
    case 2:
        return {1 - u, 1 - v};
    case 3:
        return {1 - v, u};
    default:
        return {u, v};
    }
}

double linear(int srgb) {
    const double c = srgb / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// One glTF mesh in the making: vertices in the standard picture's coordinates.
struct MergedMesh {
    std::string name;
    const SceneMaterial* material = nullptr;
    QImage picture; // standard orientation
    std::vector<float> positions, normals, uvs;
    std::vector<std::uint32_t> indices;

    void append(const SceneMesh& mesh, int orientation) {
        const auto first = std::uint32_t(positions.size() / 3);
        positions.insert(positions.end(), mesh.positions.begin(), mesh.positions.end());
        normals.insert(normals.end(), mesh.normals.begin(), mesh.normals.end());
        for (std::size_t i = 0; i + 1 < mesh.uvs.size(); i += 2) {
            const auto [u, v] = standardUv(mesh.uvs[i], mesh.uvs[i + 1], orientation);
            uvs.insert(uvs.end(), {u, v});
        }
        for (const std::uint32_t index : mesh.indices) {
            indices.push_back(first + index);
        }
    }
};

std::vector<MergedMesh> mergedMeshes(const CeilingScene& scene) {
    std::vector<MergedMesh> merged;
    std::map<int, std::size_t> byProduct;
    for (const SceneMesh& mesh : scene.meshes) {
        if (mesh.indices.empty()) {
            continue;
        }
        const SceneMaterial& material = scene.materials[std::size_t(mesh.material)];
        std::size_t at = merged.size();
        if (material.productId >= 0) {
            const auto [found, added] = byProduct.try_emplace(material.productId, at);
            at = found->second;
            if (added) {
                merged.emplace_back();
            }
        } else {
            merged.emplace_back();
        }
        MergedMesh& target = merged[at];
        if (!target.material) {
            target.material = &material;
            target.name = material.name.toStdString();
        }
        if (target.picture.isNull() && !material.picture.isNull()) {
            target.picture = material.picture.transformed(
                QTransform().rotate(-90.0 * (material.orientation & 3)));
        }
        target.append(mesh, material.orientation);
    }
    return merged;
}

class GlbModel {
public:
    GlbModel() {
        model_.asset.version = "2.0";
        model_.buffers.emplace_back();
        tinygltf::Sampler sampler;
        sampler.magFilter = TINYGLTF_TEXTURE_FILTER_LINEAR;
        sampler.minFilter = TINYGLTF_TEXTURE_FILTER_LINEAR_MIPMAP_LINEAR;
        sampler.wrapS = TINYGLTF_TEXTURE_WRAP_REPEAT;
        sampler.wrapT = TINYGLTF_TEXTURE_WRAP_REPEAT;
        model_.samplers.push_back(sampler);
        model_.scenes.emplace_back();
        model_.defaultScene = 0;
    }

    void add(const MergedMesh& mesh) {
        tinygltf::Primitive primitive;
        primitive.mode = TINYGLTF_MODE_TRIANGLES;
        primitive.attributes["POSITION"] = floats(mesh.positions, 3, true);
        primitive.attributes["NORMAL"] = floats(mesh.normals, 3, false);
        primitive.attributes["TEXCOORD_0"] = floats(mesh.uvs, 2, false);
        primitive.indices = indices(mesh.indices);
        primitive.material = material(mesh);
        tinygltf::Mesh out;
        out.name = mesh.name;
        out.primitives.push_back(std::move(primitive));
        model_.meshes.push_back(std::move(out));
        tinygltf::Node node;
        node.name = mesh.name;
        node.mesh = int(model_.meshes.size() - 1);
        model_.nodes.push_back(std::move(node));
        model_.scenes[0].nodes.push_back(int(model_.nodes.size() - 1));
    }

    const tinygltf::Model& model() const { return model_; }

private:
    int view(const void* data, std::size_t size, int target) {
        std::vector<unsigned char>& bytes = model_.buffers[0].data;
        while (bytes.size() % 4 != 0) {
            bytes.push_back(0);
        }
        tinygltf::BufferView view;
        view.buffer = 0;
        view.byteOffset = bytes.size();
        view.byteLength = size;
        view.target = target;
        const auto* begin = static_cast<const unsigned char*>(data);
        bytes.insert(bytes.end(), begin, begin + size);
        model_.bufferViews.push_back(view);
        return int(model_.bufferViews.size() - 1);
    }

    int floats(const std::vector<float>& values, int width, bool bounds) {
        tinygltf::Accessor accessor;
        accessor.bufferView =
            view(values.data(), values.size() * sizeof(float), TINYGLTF_TARGET_ARRAY_BUFFER);
        accessor.componentType = TINYGLTF_COMPONENT_TYPE_FLOAT;
        accessor.count = values.size() / std::size_t(width);
        accessor.type = width == 3 ? TINYGLTF_TYPE_VEC3 : TINYGLTF_TYPE_VEC2;
        if (bounds) {
            accessor.minValues.assign(std::size_t(width), 1e30);
            accessor.maxValues.assign(std::size_t(width), -1e30);
            for (std::size_t i = 0; i < values.size(); ++i) {
                const std::size_t axis = i % std::size_t(width);
                accessor.minValues[axis] = std::min(accessor.minValues[axis], double(values[i]));
                accessor.maxValues[axis] = std::max(accessor.maxValues[axis], double(values[i]));
            }
        }
        model_.accessors.push_back(std::move(accessor));
        return int(model_.accessors.size() - 1);
    }

    int indices(const std::vector<std::uint32_t>& values) {
        tinygltf::Accessor accessor;
        accessor.bufferView = view(values.data(), values.size() * sizeof(std::uint32_t),
                                   TINYGLTF_TARGET_ELEMENT_ARRAY_BUFFER);
        accessor.componentType = TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT;
        accessor.count = values.size();
        accessor.type = TINYGLTF_TYPE_SCALAR;
        model_.accessors.push_back(std::move(accessor));
        return int(model_.accessors.size() - 1);
    }

    int texture(const QImage& picture) {
        QByteArray png;
        QBuffer out(&png);
        out.open(QIODevice::WriteOnly);
        picture.save(&out, "PNG");
        tinygltf::Image image;
        image.mimeType = "image/png";
        image.bufferView = view(png.constData(), std::size_t(png.size()), 0);
        model_.images.push_back(std::move(image));
        tinygltf::Texture texture;
        texture.sampler = 0;
        texture.source = int(model_.images.size() - 1);
        model_.textures.push_back(texture);
        return int(model_.textures.size() - 1);
    }

    int material(const MergedMesh& mesh) {
        tinygltf::Material material;
        material.name = mesh.name;
        material.doubleSided = mesh.material->doubleSided;
        material.pbrMetallicRoughness.metallicFactor = 0;
        material.pbrMetallicRoughness.roughnessFactor = 0.9;
        if (mesh.picture.isNull()) {
            const QColor& c = mesh.material->colour;
            material.pbrMetallicRoughness.baseColorFactor = {linear(c.red()), linear(c.green()),
                                                             linear(c.blue()), 1.0};
        } else {
            material.pbrMetallicRoughness.baseColorTexture.index = texture(mesh.picture);
            if (mesh.picture.hasAlphaChannel()) {
                material.alphaMode = "MASK";
            }
        }
        model_.materials.push_back(std::move(material));
        return int(model_.materials.size() - 1);
    }

    tinygltf::Model model_;
};

} // namespace

bool writeSceneGlb(const CeilingScene& scene, const QString& path, QString* error) {
    GlbModel glb;
    for (const MergedMesh& mesh : mergedMeshes(scene)) {
        glb.add(mesh);
    }
    std::ostringstream stream;
    tinygltf::TinyGLTF writer;
    if (!writer.WriteGltfSceneToStream(&glb.model(), stream, /*prettyPrint=*/false,
                                       /*writeBinary=*/true)) {
        *error = QStringLiteral("3D模型无法编码");
        return false;
    }
    const std::string bytes = stream.str();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()) || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}
