#include "core/troom_wall.h"

#include <algorithm>

void troom_Wall::rotateQuarter(QPoint centre) {
    for (QPoint& c : corners_) {
        c = QPoint(centre.x() + centre.y() - c.y(), c.x() + centre.y() - centre.x());
    }
    ++revision_;
}

void troom_Wall::flipHorizontal() {
    mirror(true);
}

void troom_Wall::flipVertical() {
    mirror(false);
}

void troom_Wall::mirror(bool horizontal) {
    Bounds b;
    if (pointCount() < 2) {
        return;
    }
    planBounds(b);
    // The middle is truncated toward zero, like the integer division it always was.
    const int middle = horizontal ? (b.minX + b.maxX) / 2 : (b.minY + b.maxY) / 2;
    for (QPoint& c : corners_) {
        if (horizontal) {
            c.setX(2 * middle - c.x());
        } else {
            c.setY(2 * middle - c.y());
        }
    }
    ++revision_;
}

void troom_Wall::reverseCorners() {
    std::reverse(corners_.begin(), corners_.end());
    std::reverse(kinds_.begin(), kinds_.end());
    std::reverse(canvasPoints_.begin(), canvasPoints_.end());
    ++revision_;
}
