#pragma once

#include "scene/ceiling_scene.h"

#include <QPointF>

// The camera the pointer steers: it circles a target point at a distance, turned by a yaw
// about the vertical and a pitch above or below the horizontal. Dragging orbits or pans,
// the wheel moves it nearer or farther.
class OrbitCamera {
public:
    explicit OrbitCamera(const SceneCamera& start = {});

    SceneCamera camera() const;
    // A drag of `pixels` turns the camera round its target.
    void orbit(QPointF pixels);
    // A drag of `pixels` in a view `viewHeight` pixels high moves camera and target
    // sideways and up or down, so that the point under the pointer stays under it.
    void pan(QPointF pixels, int viewHeight);
    // Wheel steps (120 a notch) away from the user bring the camera nearer.
    void zoom(int wheelDelta);

private:
    QVector3D offsetDirection() const; // from the target to the eye
    QVector3D screenUp() const;

    QVector3D target_;
    float distance_ = 1;
    float yaw_ = 0;   // radians
    float pitch_ = 0; // radians, positive with the eye above the target
    float fieldOfView_ = 60;
};
