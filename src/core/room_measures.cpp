#include "core/troom_obj.h"

#include "core/arc_geometry.h"
#include "platform/prompts.h"

double TRoom_OBJ::outlineArea(int excluded, bool absolute) {
    // An outline still being drawn is not closed yet.
    if (tool == ToolDrawWalls) {
        return 0;
    }
    const std::optional<double> area = wall.outlineArea(excluded, absolute);
    if (!area) {
        if (prompts) {
            prompts->message(QStringLiteral("error"));
        }
        return 0;
    }
    return *area;
}

double TRoom_OBJ::roomArea() {
    return troom_Wall::roundAreaUp(outlineArea(-1, true) + wall.arcAreaTerms());
}

void TRoom_OBJ::refreshArcKinds() {
    const double whole = outlineArea(-1, true);
    for (int i = 0; i < wall.pointCount(); ++i) {
        if (!isArcApex(wall.kind(i)) || collinear(wall.corner(wall.prevIndex(i)), wall.corner(i),
                                                  wall.corner(wall.nextIndex(i)))) {
            continue;
        }
        wall.setKind(i, whole >= outlineArea(i, true) ? ArcApexOut : ArcApexIn);
    }
}
