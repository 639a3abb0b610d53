#include "design/room_dxf_drawing.h"

#include "core/arc_geometry.h"
#include "core/tpic_rec.h"
#include "core/troom_obj.h"
#include "design/grid_edges.h"

#include <cmath>
#include <map>
#include <numbers>

namespace room_dxf {
namespace {

constexpr double NameHeight = 250;
constexpr double AreaHeight = 200;

// Plan millimetres (y down) to drawing millimetres (y up) from the bottom-left corner of
// the outline's bounds.
class Placement {
public:
    explicit Placement(const Bounds& box) : left_(box.minX * 10.0), bottom_(box.maxY * 10.0) {}

    Point mm(double x, double y) const { return {x - left_, bottom_ - y}; }
    Point cm(QPoint plan) const { return mm(plan.x() * 10.0, plan.y() * 10.0); }

private:
    double left_;
    double bottom_;
};

int orientationDigit(int orientation) {
    return (orientation & 0xFF) % 4;
}

// Counter-clockwise degrees of a product turned clockwise by `orientation` quarters.
double rotationOf(int orientation) {
    return double((360 - 90 * orientation) % 360);
}

// An apex draws an arc only between two plain neighbours, as the mask traces it.
bool drawnApex(const troom_Wall& wall, int i) {
    return isArcApex(wall.kind(i)) && !isArcApex(wall.kind(wall.prevIndex(i))) &&
           !isArcApex(wall.kind(wall.nextIndex(i))) &&
           !collinear(wall.corner(wall.prevIndex(i)), wall.corner(i),
                      wall.corner(wall.nextIndex(i)));
}

std::vector<Vertex> outlineOf(const troom_Wall& wall, const Placement& at) {
    std::vector<Vertex> outline;
    const int n = wall.pointCount();
    for (int i = 0; i < n; ++i) {
        if (drawnApex(wall, i)) {
            continue;
        }
        Vertex v{at.cm(wall.corner(i)), 0};
        const int next = wall.nextIndex(i);
        if (drawnApex(wall, next)) {
            // The arc's sweep is counter-clockwise as seen, which y up keeps.
            const std::optional<CircleArc> arc =
                arcThrough(wall.corner(i), wall.corner(next), wall.corner(wall.nextIndex(next)));
            if (arc) {
                v.bulge = std::tan(arc->sweepDegrees * std::numbers::pi / 180 / 4);
            }
        }
        outline.push_back(v);
    }
    return outline;
}

std::vector<Opening> openingsOf(const troom_Wall& wall, const Placement& at) {
    std::vector<Opening> openings;
    for (int i = 0; i + 1 < wall.pointCount(); ++i) {
        const quint8 kind = wall.kind(i);
        if ((kind == WindowEnd || kind == DoorEnd) && wall.kind(i + 1) == kind) {
            openings.push_back({{at.cm(wall.corner(i)), at.cm(wall.corner(i + 1))},
                                kind == DoorEnd,
                                troom_Wall::wallLengthMm(wall.corner(i), wall.corner(i + 1))});
            ++i;
        }
    }
    return openings;
}

std::vector<Line> gridLinesOf(const TRoom_OBJ& room, const GridEdges& edges, const Placement& at) {
    std::vector<Line> lines;
    const double top = double(edges.rowTop(room.firstRow));
    const double bottom = double(edges.rowTop(room.lastRow + 1));
    const double left = double(edges.columnLeft(room.firstColumn));
    const double right = double(edges.columnLeft(room.lastColumn + 1));
    for (int c = room.firstColumn; c <= room.lastColumn + 1; ++c) {
        const double x = double(edges.columnLeft(c));
        lines.push_back({at.mm(x, top), at.mm(x, bottom)});
    }
    for (int r = room.firstRow; r <= room.lastRow + 1; ++r) {
        const double y = double(edges.rowTop(r));
        lines.push_back({at.mm(left, y), at.mm(right, y)});
    }
    return lines;
}

double signedArea(const std::vector<Vertex>& outline) {
    double sum = 0;
    for (std::size_t i = 0; i < outline.size(); ++i) {
        const Point a = outline[i].at;
        const Point b = outline[(i + 1) % outline.size()].at;
        sum += a.x * b.y - b.x * a.y;
    }
    return sum / 2;
}

// One dimension per segment of the outline polyline; an arc is measured by its chord.
std::vector<WallDimension> dimensionsOf(const std::vector<Vertex>& outline) {
    std::vector<WallDimension> dimensions;
    const double side = signedArea(outline) > 0 ? 1 : -1; // counter-clockwise: out is right
    for (std::size_t i = 0; i < outline.size(); ++i) {
        const Point a = outline[i].at;
        const Point b = outline[(i + 1) % outline.size()].at;
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        if (length > 0) {
            const Point out{side * (b.y - a.y) / length, -side * (b.x - a.x) / length};
            dimensions.push_back({{a, b}, out, length});
        }
    }
    return dimensions;
}

// The room's products by block, one block per product and orientation.
class BlockSet {
public:
    explicit BlockSet(std::vector<Block>& blocks) : blocks_(blocks) {}

    // The block of a product as cached for `orientation`; -1 when it is unknown.
    int blockOf(const tpic_rec& product) {
        const auto key = std::pair(product.id, int(product.orientation));
        const auto found = index_.find(key);
        if (found != index_.end()) {
            return found->second;
        }
        const bool turned = product.orientation % 2 == 1;
        Block block{QStringLiteral("P%1_%2").arg(product.id).arg(product.orientation * 90),
                    product.title,
                    QStringLiteral("%1X%2").arg(product.width).arg(product.height),
                    double(turned ? product.height : product.width),
                    double(turned ? product.width : product.height),
                    product.orientation,
                    product.kind};
        blocks_.push_back(block);
        index_.emplace(key, int(blocks_.size()) - 1);
        return int(blocks_.size()) - 1;
    }

private:
    std::vector<Block>& blocks_;
    std::map<std::pair<int, int>, int> index_;
};

bool contains(const ObjectBox& outer, const ObjectBox& inner) {
    return outer.left <= inner.left && inner.right <= outer.right && outer.top <= inner.top &&
           inner.bottom <= outer.bottom;
}

void addObjects(TRoom_OBJ& room, BlockSet& blocks, const Placement& at, RoomDrawing& drawing,
                std::vector<ObjectBox>& applianceBoxes) {
    for (const auto& object : room.objects) {
        const tpic_rec* product = room.refreshObjectRectangles(*object);
        if (!product) {
            continue;
        }
        const int o = orientationDigit(object->orientation);
        const tpic_rec* turned = room.productLookup(object->id, o);
        if (!turned) {
            continue;
        }
        const Insert insert{
            blocks.blockOf(*turned),
            at.mm(object->x * 10.0 + turned->width / 2.0, object->y * 10.0 + turned->height / 2.0),
            rotationOf(o)};
        if (object->kind == 2) {
            drawing.appliances.push_back(insert);
            applianceBoxes.push_back(object->planRect);
        } else {
            drawing.floating.push_back(insert);
        }
    }
}

void addPanels(TRoom_OBJ& room, BlockSet& blocks, const GridEdges& edges, const Placement& at,
               const std::vector<ObjectBox>& applianceBoxes, RoomDrawing& drawing) {
    room.normaliseCoveredCells([&](GridCell anchor, const tpic_rec& product, TRoom_OBJ::CellSpan) {
        // A panel under an appliance stays in the grid but is neither seen nor counted.
        if (room.cellAttribute(anchor.column, anchor.row) / 10 == 1) {
            const ObjectBox box = edges.planBlock(anchor, product.width, product.height);
            for (const ObjectBox& appliance : applianceBoxes) {
                if (contains(appliance, box)) {
                    return;
                }
            }
        }
        const double left = double(edges.columnLeft(anchor.column));
        const double top = double(edges.rowTop(anchor.row));
        drawing.panels.push_back({blocks.blockOf(product),
                                  at.mm(left + product.width / 2.0, top + product.height / 2.0),
                                  rotationOf(product.orientation)});
    });
}

void addStrips(const TRoom_OBJ& room, const GridEdges& edges, const Placement& at,
               RoomDrawing& drawing) {
    const bool alongColumns = room.roomstyle == StripsAlongColumns;
    for (const TRoom_OBJ::StripRun& run : room.stripRuns()) {
        if (run.end <= run.start) {
            continue;
        }
        double left = run.start * 10.0;
        double right = run.end * 10.0;
        double top = double(edges.rowTop(run.index));
        double bottom = top + room.rowHeight(run.index);
        if (alongColumns) {
            left = double(edges.columnLeft(run.index));
            right = left + room.columnWidth(run.index);
            top = run.start * 10.0;
            bottom = run.end * 10.0;
        }
        drawing.strips.push_back(
            {at.mm(left, top), at.mm(right, top), at.mm(right, bottom), at.mm(left, bottom)});
    }
}

} // namespace

RoomDrawing roomDrawing(TRoom_OBJ& room) {
    RoomDrawing drawing;
    Bounds box;
    if (room.wall.pointCount() < 3 || !room.wall.planBounds(box)) {
        return drawing;
    }
    room.computeActiveRange();
    if (!room.maskCurrent()) {
        room.rebuildMask();
    }
    room.refreshArcKinds();
    const Placement at(box);
    const GridEdges edges(room);
    drawing.outline = outlineOf(room.wall, at);
    drawing.openings = openingsOf(room.wall, at);
    drawing.gridLines = gridLinesOf(room, edges, at);
    drawing.dimensions = dimensionsOf(drawing.outline);

    BlockSet blocks(drawing.blocks);
    std::vector<ObjectBox> applianceBoxes;
    addObjects(room, blocks, at, drawing, applianceBoxes);
    if (room.roomstyle == SquarePanelRoom) {
        addPanels(room, blocks, edges, at, applianceBoxes, drawing);
    } else {
        addStrips(room, edges, at, drawing);
    }

    const Point middle = at.cm({(box.minX + box.maxX) / 2, (box.minY + box.maxY) / 2});
    drawing.labels.push_back({room.getName(), {middle.x, middle.y + NameHeight}, NameHeight});
    drawing.labels.push_back({QStringLiteral("面积：%1平方米").arg(room.roomArea(), 0, 'f', 1),
                              {middle.x, middle.y - AreaHeight},
                              AreaHeight});
    return drawing;
}

} // namespace room_dxf
