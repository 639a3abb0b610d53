#pragma once

#include <QString>

#include <vector>

class TRoom_OBJ;

// A room's ceiling as a CAD drawing sees it: millimetres with y pointing up, the origin at
// the bottom-left corner of the outline's bounds. Everything is taken from the room model
// (outline, grid, placed products), nothing from a rendered picture.
namespace room_dxf {

struct Point {
    double x = 0;
    double y = 0;
};

struct Line {
    Point from;
    Point to;
};

// A corner of the outline polyline; a bulge other than 0 makes the segment to the next
// vertex an arc (the tangent of a quarter of its angle, positive counter-clockwise).
struct Vertex {
    Point at;
    double bulge = 0;
};

struct Opening {
    Line span;
    bool door = false;
    double widthMm = 0;
};

// One block per product and orientation: the product's outline drawn unturned around
// its centre, with its name and its size as laid (width across X height down, mm).
struct Block {
    QString name;
    QString title;
    QString size;
    double width = 0; // mm of the unturned product
    double height = 0;
    int orientation = 0;
    int kind = 0; // the product's kind code
};

// A placed product: its block, centred on the product's place and turned clockwise by
// 90 degrees per orientation step.
struct Insert {
    int block = 0; // index into RoomDrawing::blocks
    Point centre;
    double rotation = 0; // degrees, counter-clockwise
};

// A wall measured from corner to corner (an arc by its chord).
struct WallDimension {
    Line wall;
    Point outward; // unit normal pointing out of the room
    double lengthMm = 0;
};

struct Label {
    QString text;
    Point at;
    double height = 0;
};

struct RoomDrawing {
    std::vector<Vertex> outline;
    std::vector<Opening> openings;
    std::vector<Line> gridLines;
    std::vector<Block> blocks;
    std::vector<Insert> panels;
    std::vector<Insert> appliances;
    std::vector<Insert> floating;
    std::vector<std::vector<Point>> strips; // one closed rectangle per strip run
    std::vector<WallDimension> dimensions;
    std::vector<Label> labels; // room name and area
};

// The drawing of a room with three corners or more. The room is first brought to the
// state a paint would show: active range, mask and covered cells.
RoomDrawing roomDrawing(TRoom_OBJ& room);

} // namespace room_dxf
