#pragma once

#include <QPoint>

#include <array>
#include <optional>

class troom_Wall;

// A corner notched A x B: the corner's two walls each lose a piece of A (the horizontal
// one) or B (the vertical one) cm, joined by the inner corner.
struct CornerNotch {
    QPoint towardPrevious; // on the wall from the previous corner
    QPoint inner;          // replaces the corner
    QPoint towardNext;     // on the wall to the next corner
};

// Whether the walls previous-corner and corner-next are perpendicular, one horizontal
// and the other vertical (plan points).
bool notchableCorner(QPoint previous, QPoint corner, QPoint next);
// The notch of a notchable corner, a and b in cm.
CornerNotch cornerNotch(QPoint previous, QPoint corner, QPoint next, int a, int b);

// A recess cut into a wall: start, DA, DA', DB', DB, end, in plan cm.
struct Recess {
    std::array<QPoint, 4> points; // DA, DA', DB', DB
    bool zeroLength = false;      // the wall has no length: DA' and DB' are not offset
};

// The recess of the wall from corner s to corner e, a from the start and b from the end
// of L mm, c deep, all in mm, with a + b < L and b > 0. The points lie on the wall's
// canvas line and are converted to plan; the recess goes to the wall's left.
Recess wallRecess(const troom_Wall& wall, int s, int e, int lengthMm, int a, int b, int c);
