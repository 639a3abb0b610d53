#include "view3d/orbit_camera.h"
#include "view3d_support.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

using view3dtest::project;

namespace {

float gap(QPointF a, QPointF b) {
    return float(QLineF(a, b).length());
}

} // namespace

// Over random cameras, also looking straight up: steering starts from the camera given;
// a pan keeps the scene point under the pointer under it; orbiting and zooming keep the
// target in the middle of the view.
TEST(OrbitCamera, SteersAsThePointerMoves) {
    QRandomGenerator random(35);
    const QSize size(800, 500);
    const QPointF middle(400, 250);
    const auto any = [&random](double low, double high) {
        return float(low + random.generateDouble() * (high - low));
    };
    for (int i = 0; i < 200; ++i) {
        SceneCamera start;
        start.target = {any(-5, 5), any(2, 3), any(-5, 5)};
        start.verticalFieldOfView = any(40, 80);
        if (i % 4 == 0) {
            start.eye = start.target - QVector3D(0, any(0.5, 4), 0);
            start.up = QVector3D(any(-1, 1), 0, any(-1, 1)).normalized();
        } else {
            start.eye = start.target + QVector3D(any(-4, 4), any(-3, -0.2), any(-4, 4));
        }
        OrbitCamera orbit(start);
        const SceneCamera first = orbit.camera();
        EXPECT_LT((first.eye - start.eye).length(), 1e-3f) << i;
        EXPECT_LT((first.target - start.target).length(), 1e-4f) << i;
        EXPECT_LT(gap(project(first, size, start.target + start.up * 0.1f),
                      project(start, size, start.target + start.up * 0.1f)),
                  0.5f)
            << i << " the view is turned";

        // A point on the plane through the target, facing the camera, follows the pointer.
        const QPointF drag(any(-60, 60), any(-60, 60));
        orbit.pan(drag, size.height());
        const SceneCamera panned = orbit.camera();
        EXPECT_LT(gap(project(panned, size, start.target), middle + drag), 0.5f) << i;

        orbit.orbit({any(-200, 200), any(-200, 200)});
        orbit.zoom(int(any(-480, 480)));
        const SceneCamera turned = orbit.camera();
        EXPECT_LT(gap(project(turned, size, turned.target), middle), 0.5f) << i;
        EXPECT_NEAR(QVector3D::dotProduct(turned.up, (turned.target - turned.eye).normalized()), 0,
                    1e-4)
            << i;
    }
}
