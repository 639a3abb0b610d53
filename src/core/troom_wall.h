#pragma once

#include <QList>
#include <QPoint>
#include <QtGlobal>

#include <optional>

// Marks on the corners of a wall outline.
enum CornerKind : quint8 {
    PlainCorner = 0,
    ArcApexOut = 1,         // the wall from the previous to the next corner is an arc bulging out
    ArcApexIn = 2,          // the same arc bulging in
    WindowEnd = 3,          // two consecutive window ends bound a window
    DoorEnd = 4,            // two consecutive door ends bound a door
    UnpickableCorner = 100, // never returned by the corner search
};

inline bool isArcApex(quint8 kind) {
    return kind == ArcApexOut || kind == ArcApexIn;
}

// Smallest and largest coordinates of a set of points (inclusive).
struct Bounds {
    int minX = 0;
    int minY = 0;
    int maxX = 0;
    int maxY = 0;
};

// A wall found under the pointer: its start and end corner, or -1, -1.
struct WallHit {
    int start = -1;
    int end = -1;
    bool found() const { return start >= 0; }
};

// The wall outline of a room: a closed polygon in plan centimetres (2000 x 2000 plan)
// with one kind per corner, plus the view transform to canvas pixels. Wall i joins
// corner i and corner (i + 1) mod n. The plan points are the master copy; the canvas
// points are derived by refreshCanvasPoints, and operations that write only one side
// leave the other stale until then.
class troom_Wall {
public:
    int pointCount() const { return int(corners_.size()); }
    int prevIndex(int i) const;
    int nextIndex(int i) const;
    void clearOutline();

    // The width in canvas pixels of the whole plan (the view scale).
    int paperWidth() const { return PaperWidth_; }
    void setPaperWidth(int width);
    void setOrigin(QPoint origin);
    QPoint getOrigin() const { return origin_; }
    void refreshCanvasPoints();
    QPoint planToCanvas(QPoint plan) const;
    // Clamped to 1..1999 on both axes.
    QPoint canvasToPlan(QPoint canvas) const;

    // Appends a plain corner; returns its index.
    int addPoint(QPoint p, bool isPlan);
    // Inserts a plain corner at k (0 <= k < n); -1 and nothing changes otherwise. The
    // canvas point at k stays stale until the next refreshCanvasPoints.
    int insertPoint(QPoint p, int k, bool isPlan);
    bool deletePoint(int k);
    // Moves corner k by a canvas delta, converted to plan centimetres without clamping.
    bool movePointBy(int k, QPoint canvasDelta);
    bool setPointCanvas(int k, QPoint canvasPoint);
    void moveAllBy(QPoint canvasFrom, QPoint canvasTo);
    // Moves every corner by a plan delta; the canvas points are not refreshed.
    void shiftPlan(QPoint planDelta);

    // Bounds of the corners; with fewer than 2 corners `out` is not written and the
    // result is false, else the result is whether the four bounds sum above 0.
    bool planBounds(Bounds& out) const;
    // Bounds of the canvas points; false and not written with fewer than 2 corners.
    bool canvasBounds(Bounds& out) const;

    // The corner within 10 pixels of p (the last one wins), or -1.
    int findCorner(QPoint p) const;
    // The first wall within 5 pixels of p; none with fewer than 3 corners.
    WallHit findWall(QPoint p) const;
    static QPoint footOnLine(QPoint a, QPoint b, QPoint p);
    static double distance(QPoint a, QPoint b);
    // Millimetres between two plan points in centimetres.
    static double wallLengthMm(QPoint a, QPoint b);
    // Degrees with the y axis pointing up, to a tenth.
    static double directionAngle(QPoint from, QPoint to);
    // The angle between the walls vertex-a and vertex-b in whole degrees, 0..180.
    static int cornerAngle(QPoint a, QPoint vertex, QPoint b);
    // The canvas point `length` cm from canvas point a towards canvas point b.
    QPoint pointAlongFromCanvas(QPoint a, QPoint b, int length) const;
    // The plan point `length` cm from the last corner in the direction from a to b.
    QPoint pointAlongFromLast(QPoint a, QPoint b, int length) const;

    // A quarter turn clockwise on the canvas about a plan centre; canvas points stale.
    void rotateQuarter(QPoint centre);
    // Mirror about the middle of the plan bounds; kinds stay with their corners.
    void flipHorizontal();
    void flipVertical();
    // Reverses the corner order (corner i and n - 1 - i exchange with their kinds).
    void reverseCorners();

    // The shoelace area in m² of the corners, leaving out corner `excluded` (-1 for
    // none); 0 with n <= 2 or failing plan bounds. None when `excluded` is neither -1
    // nor a corner index. Signed unless `absolute`: positive runs clockwise on the
    // canvas.
    std::optional<double> outlineArea(int excluded, bool absolute) const;
    // The sum of the arc terms: added for apexes bulging out, subtracted for apexes
    // bulging in; the corner after a marked corner is not examined.
    double arcAreaTerms() const;
    // Rounds an area up to a tenth of a m² (an exact tenth stays when even).
    static double roundAreaUp(double area);
    // Whole millimetres; arcs count with their chords.
    qint64 perimeter() const;

    QPoint corner(int i) const { return corners_[i]; }
    void setCorner(int i, QPoint plan) {
        corners_[i] = plan;
        ++revision_;
    }
    quint8 kind(int i) const { return kinds_[i]; }
    void setKind(int i, quint8 kind) {
        if (kinds_[i] != kind) {
            kinds_[i] = kind;
            ++revision_;
        }
    }
    QPoint canvasPoint(int i) const { return canvasPoints_[i]; }
    const QList<QPoint>& corners() const { return corners_; }
    const QList<quint8>& kinds() const { return kinds_; }
    const QList<QPoint>& canvasPoints() const { return canvasPoints_; }
    bool hasArcApex() const;
    // Replaces the outline by these corners and kinds (equal lengths; missing kinds
    // become plain corners) and refreshes the canvas points.
    void setOutline(const QList<QPoint>& corners, const QList<quint8>& kinds);
    // Advanced by every change of the plan points or kinds (never by the view), so that
    // what was drawn from the outline can tell whether it still shows it.
    quint64 revision() const { return revision_; }

private:
    bool validIndex(int k) const { return k >= 0 && k < pointCount(); }
    QPoint canvasDeltaToPlan(QPoint delta) const;
    // Mirror about the middle of the plan bounds, across x (horizontal) or y.
    void mirror(bool horizontal);

    QList<QPoint> canvasPoints_;
    QPoint origin_;
    int PaperWidth_ = 2000;
    QList<QPoint> corners_;
    QList<quint8> kinds_;
    quint64 revision_ = 1;
};
