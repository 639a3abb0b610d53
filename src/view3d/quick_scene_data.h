#pragma once

class QImage;
class QQuick3DGeometry;
class QQuick3DTextureData;
struct SceneMesh;

// The hand-over of scene data to Qt Quick 3D: a mesh's vertices (position, normal,
// texture coordinate, interleaved) and 32-bit indices as one geometry, a picture as RGBA
// texture data.
namespace quickdata {

void fillGeometry(QQuick3DGeometry& geometry, const SceneMesh& mesh);
void fillTexture(QQuick3DTextureData& texture, const QImage& picture);

} // namespace quickdata
