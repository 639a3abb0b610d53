#pragma once

#include "scene/ceiling_scene.h"

#include <QPointF>
#include <QRectF>

#include <map>
#include <tuple>
#include <vector>

struct tpic_rec;

// How a plan point (cm) maps to texture coordinates: u runs 0..1 over `uLength` cm from
// the origin, v over `vLength` cm.
struct UvFrame {
    QPointF origin;
    double uLength = 100;
    double vLength = 100;

    static UvFrame over(const QRectF& rect) {
        return {rect.topLeft(), rect.width(), rect.height()};
    }
};

// Adds geometry to a scene, one mesh per kind and material, one material per product and
// orientation or per plain colour. Plan cm in, metres out.
class SceneAssembly {
public:
    explicit SceneAssembly(CeilingScene& scene);

    int productMaterial(const tpic_rec& product);
    int colourMaterial(const QString& name, const QColor& colour, bool doubleSided = true);
    SceneMesh& mesh(SceneMesh::Kind kind, int material);

    // A flat polygon (plan cm, clockwise on the plan) at a height in cm, facing down (the
    // ceiling's side) or up (the floor's).
    static void addFlat(SceneMesh& mesh, const std::vector<QPointF>& polygon, double heightCm,
                        bool facingDown, const UvFrame& uv);
    // An upright quad over the plan segment a..b from `bottomCm` to `topCm`, facing the
    // side to the right of a..b on the plan.
    static void addUpright(SceneMesh& mesh, QPointF a, QPointF b, double bottomCm, double topCm);

    // Bounds of every mesh.
    void finish();

private:
    CeilingScene& scene_;
    std::map<std::pair<int, int>, int> productMaterials_;
    std::map<QString, int> colourMaterials_;
    std::map<std::pair<int, int>, std::size_t> meshes_;
};

// Plan cm to scene metres.
constexpr float toMetres(double cm) {
    return float(cm / 100.0);
}
