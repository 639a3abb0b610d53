#include "view3d/orbit_camera.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr float radiansPerPixel = 0.008f;
constexpr float halfTurn = std::numbers::pi_v<float> / 2;
constexpr float nearest = 0.05f;  // m
constexpr float farthest = 100.f; // m

} // namespace

OrbitCamera::OrbitCamera(const SceneCamera& start)
    : target_(start.target), fieldOfView_(start.verticalFieldOfView) {
    const QVector3D offset = start.eye - start.target;
    distance_ = std::clamp(offset.length(), nearest, farthest);
    const QVector3D d = offset.length() > 0 ? offset.normalized() : QVector3D(0, 0, 1);
    pitch_ = std::asin(std::clamp(d.y(), -1.f, 1.f));
    if (std::abs(d.y()) > 0.9999f) {
        // Looking straight up or down: the yaw is the one whose screen-up is the given up.
        const float sign = d.y() > 0 ? -1.f : 1.f;
        yaw_ = std::atan2(sign * start.up.x(), sign * start.up.z());
    } else {
        yaw_ = std::atan2(d.x(), d.z());
    }
}

QVector3D OrbitCamera::offsetDirection() const {
    return {std::cos(pitch_) * std::sin(yaw_), std::sin(pitch_), std::cos(pitch_) * std::cos(yaw_)};
}

// The direction the camera's screen-up points: the offset turned a quarter up, never
// parallel to the view even when looking straight up or down.
QVector3D OrbitCamera::screenUp() const {
    return {-std::sin(pitch_) * std::sin(yaw_), std::cos(pitch_),
            -std::sin(pitch_) * std::cos(yaw_)};
}

SceneCamera OrbitCamera::camera() const {
    SceneCamera c;
    c.target = target_;
    c.eye = target_ + distance_ * offsetDirection();
    c.up = screenUp();
    c.verticalFieldOfView = fieldOfView_;
    return c;
}

void OrbitCamera::orbit(QPointF pixels) {
    yaw_ -= float(pixels.x()) * radiansPerPixel;
    pitch_ = std::clamp(pitch_ + float(pixels.y()) * radiansPerPixel, -halfTurn, halfTurn);
}

void OrbitCamera::pan(QPointF pixels, int viewHeight) {
    const float fov = fieldOfView_ * std::numbers::pi_v<float> / 180;
    const float metresPerPixel = 2 * distance_ * std::tan(fov / 2) / float(std::max(viewHeight, 1));
    const QVector3D up = screenUp();
    const QVector3D right = QVector3D::crossProduct(up, offsetDirection());
    target_ += metresPerPixel * (-float(pixels.x()) * right + float(pixels.y()) * up);
}

void OrbitCamera::zoom(int wheelDelta) {
    distance_ = std::clamp(distance_ * std::pow(0.9f, float(wheelDelta) / 120), nearest, farthest);
}
