#include "scene/scene_fixture.h"

#include "library/product_library.h"
#include "scene/gltf_export.h"
#include "scene/scene_builder.h"
#include "support/temp_folder.h"

#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <tiny_gltf.h>

#include <cmath>

using namespace scene_sample;

namespace {

// Pictures decoded by Qt, so that reading back needs nothing of the library's own.
bool loadWithQt(tinygltf::Image* image, const int, std::string* error, std::string*, int, int,
                const unsigned char* bytes, int size, void*) {
    QImage picture;
    if (!picture.loadFromData(bytes, size)) {
        *error = "unreadable picture";
        return false;
    }
    picture = picture.convertToFormat(QImage::Format_RGBA8888);
    image->width = picture.width();
    image->height = picture.height();
    image->component = 4;
    image->bits = 8;
    image->pixel_type = TINYGLTF_COMPONENT_TYPE_UNSIGNED_BYTE;
    image->image.assign(picture.constBits(), picture.constBits() + picture.sizeInBytes());
    return true;
}

template <typename T> const T* accessorData(const tinygltf::Model& model, int accessor) {
    const tinygltf::Accessor& a = model.accessors[std::size_t(accessor)];
    const tinygltf::BufferView& view = model.bufferViews[std::size_t(a.bufferView)];
    return reinterpret_cast<const T*>(model.buffers[std::size_t(view.buffer)].data.data() +
                                      view.byteOffset + a.byteOffset);
}

// The colour of the mesh's picture at a corner of the quad whose middle is given, through
// its texture coordinates.
std::optional<QRgb> texelAt(const tinygltf::Model& model, const tinygltf::Mesh& mesh,
                            QPointF middle, QPointF corner) {
    const tinygltf::Primitive& p = mesh.primitives.at(0);
    const float* uvs = accessorData<float>(model, p.attributes.at("TEXCOORD_0"));
    const tinygltf::Material& material = model.materials[std::size_t(p.material)];
    const int texture = material.pbrMetallicRoughness.baseColorTexture.index;
    const tinygltf::Image& image =
        model.images[std::size_t(model.textures[std::size_t(texture)].source)];
    const int v =
        quadCorner(accessorData<float>(model, p.attributes.at("POSITION")),
                   model.accessors[std::size_t(p.attributes.at("POSITION"))].count, middle, corner);
    if (v < 0) {
        return std::nullopt;
    }
    const int px = int(std::clamp(uvs[2 * v], 0.0f, 0.999f) * float(image.width));
    const int py = int(std::clamp(uvs[2 * v + 1], 0.0f, 0.999f) * float(image.height));
    const unsigned char* rgba = &image.image[std::size_t(4 * (py * image.width + px))];
    return qRgb(rgba[0], rgba[1], rgba[2]);
}

class GltfTest : public ::testing::Test {
protected:
    GltfTest() {
        addProducts(library);
        room = sceneRoom(library, tiledRoomCorners());
        placeEverywhere(*room, Panel, 21, 21, 28, 26);
        room->currentProduct = {Other, KindSquarePanel, 0};
        room->placePanel({21, 21}, 0);
        for (int orientation = 1; orientation < 4; ++orientation) {
            room->currentProduct = {Panel, KindSquarePanel, quint8(orientation)};
            room->placePanel({21 + orientation, 23}, orientation);
        }
        room->removePanel({28, 26}); // one empty cell
        addObject(*room, Lamp, KindAppliance, 1100, 1050);
        addObject(*room, Lamp, KindAppliance, 1300, 1200, 1);
        addObject(*room, Chandelier, KindFloating, 1200, 1150);
        scene = *buildCeilingScene(*room, 280);
        path = folder.file(QStringLiteral("房间.glb"));
        QString error;
        EXPECT_TRUE(writeSceneGlb(scene, path, &error)) << error.toStdString();
    }

    TestLibrary library;
    std::unique_ptr<TRoom_OBJ> room;
    CeilingScene scene;
    TempFolder folder;
    QString path;
};

// Panel, Other, Lamp, Chandelier; walls, floor, empty cells and grid lines.
constexpr std::size_t ProductMeshes = 4;
constexpr std::size_t OwnMeshes = 4;

} // namespace

TEST_F(GltfTest, ReadBackByTinyGltfOneMeshAndMaterialPerProduct) {
    tinygltf::Model model;
    tinygltf::TinyGLTF reader;
    reader.SetImageLoader(loadWithQt, nullptr);
    std::string error, warning;
    ASSERT_TRUE(reader.LoadBinaryFromFile(&model, &error, &warning, path.toStdString())) << error;
    EXPECT_EQ(model.asset.version, "2.0");
    EXPECT_EQ(model.meshes.size(), ProductMeshes + OwnMeshes);
    EXPECT_EQ(model.materials.size(), ProductMeshes + OwnMeshes);
    EXPECT_EQ(model.images.size(), ProductMeshes); // every product has a picture

    std::vector<double> low{1e9, 1e9, 1e9}, high{-1e9, -1e9, -1e9};
    const tinygltf::Mesh* panel = nullptr;
    for (const tinygltf::Mesh& mesh : model.meshes) {
        ASSERT_EQ(mesh.primitives.size(), 1u);
        const tinygltf::Accessor& p =
            model.accessors[std::size_t(mesh.primitives[0].attributes.at("POSITION"))];
        for (std::size_t axis = 0; axis < 3; ++axis) {
            low[axis] = std::min(low[axis], p.minValues[axis]);
            high[axis] = std::max(high[axis], p.maxValues[axis]);
        }
        if (mesh.name == "方板") {
            panel = &mesh;
            // 47 panels in four orientations, merged.
            EXPECT_EQ(p.count, 46u * 4);
        }
    }
    EXPECT_NEAR(low[0], 10.0, 1e-5);
    EXPECT_NEAR(low[1], 0.0, 1e-5);
    EXPECT_NEAR(low[2], 10.0, 1e-5);
    EXPECT_NEAR(high[0], 14.0, 1e-5);
    EXPECT_NEAR(high[1], 2.8, 1e-5);
    EXPECT_NEAR(high[2], 13.0, 1e-5);

    // Through the one standard picture, every turned panel shows what the scene shows.
    ASSERT_TRUE(panel);
    for (int orientation = 0; orientation < 4; ++orientation) {
        SCOPED_TRACE(orientation);
        const SceneMesh* turned = meshOf(scene, SceneMesh::Kind::SquarePanels, Panel, orientation);
        ASSERT_TRUE(turned);
        const double left = 10.0 + 0.5 * orientation;
        const QPointF middle(left + 0.25, 11.25);
        for (const QPointF corner : {QPointF(left, 11.0), QPointF(left + 0.5, 11.0),
                                     QPointF(left + 0.5, 11.5), QPointF(left, 11.5)}) {
            const std::optional<QRgb> texel = texelAt(model, *panel, middle, corner);
            ASSERT_TRUE(texel.has_value());
            EXPECT_EQ(*texel, texelAtCorner(scene, *turned, middle, corner))
                << corner.x() << ", " << corner.y();
        }
    }
}

TEST_F(GltfTest, ReadBackByAssimp) {
    QProcess assimp;
    assimp.start(QStringLiteral("assimp"), {QStringLiteral("info"), path});
    ASSERT_TRUE(assimp.waitForFinished(60000)) << "assimp-utils is needed";
    ASSERT_EQ(assimp.exitCode(), 0);
    const QString report = QString::fromUtf8(assimp.readAllStandardOutput());
    const auto number = [&report](const QString& label) {
        const QRegularExpressionMatch m =
            QRegularExpression(
                QStringLiteral("^%1:\\s+(\\d+)").arg(QRegularExpression::escape(label)),
                QRegularExpression::MultilineOption)
                .match(report);
        return m.hasMatch() ? m.captured(1).toInt() : -1;
    };
    EXPECT_EQ(number(QStringLiteral("Meshes")), int(ProductMeshes + OwnMeshes));
    EXPECT_EQ(number(QStringLiteral("Materials")), int(ProductMeshes + OwnMeshes));
    const auto point = [&report](const QString& label) {
        const QRegularExpressionMatch m =
            QRegularExpression(label + QStringLiteral("\\s+\\(([-\\d.]+) ([-\\d.]+) ([-\\d.]+)\\)"))
                .match(report);
        return m.hasMatch()
                   ? std::vector<double>{m.captured(1).toDouble(), m.captured(2).toDouble(),
                                         m.captured(3).toDouble()}
                   : std::vector<double>{};
    };
    const std::vector<double> low = point(QStringLiteral("Minimum point"));
    const std::vector<double> high = point(QStringLiteral("Maximum point"));
    ASSERT_EQ(low.size(), 3u) << report.toStdString();
    ASSERT_EQ(high.size(), 3u);
    const std::vector<double> wantLow{10, 0, 10}, wantHigh{14, 2.8, 13};
    for (std::size_t axis = 0; axis < 3; ++axis) {
        EXPECT_NEAR(low[axis], wantLow[axis], 1e-4);
        EXPECT_NEAR(high[axis], wantHigh[axis], 1e-4);
    }
}
