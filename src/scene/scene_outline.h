#pragma once

#include <QPointF>
#include <QRectF>

#include <optional>
#include <vector>

class troom_Wall;

// What a wall piece of the traced outline is, from the floor up.
enum class WallPiece { Solid, Door, Window };

// The wall outline as the 3D scene uses it: arcs replaced by chords within the tolerance,
// each edge with what it is, corners running clockwise on the plan (y down). Plan cm.
struct SceneOutline {
    std::vector<QPointF> corners;
    // pieces[i] is the edge from corners[i] to corners[i + 1] (the last one closes).
    std::vector<WallPiece> pieces;

    int size() const { return int(corners.size()); }
    QPointF next(int i) const { return corners[std::size_t((i + 1) % size())]; }
    QRectF bounds() const;
    // The centroid of the enclosed area.
    QPointF centreOfArea() const;
    bool contains(QPointF p) const;
};

// Greatest distance in cm between an arc and the chords that stand for it.
constexpr double ArcTolerance = 1.0;

// The traced outline; none when it is not closed: fewer than three corners, no area, or
// walls crossing each other.
std::optional<SceneOutline> traceSceneOutline(const troom_Wall& wall);

// The part of the outline's area inside a rectangle, as polygons; a rectangle wholly
// inside comes back as itself, one wholly outside as nothing.
std::vector<std::vector<QPointF>> clipToOutline(const SceneOutline& outline, const QRectF& rect);
