#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QVector3D>

#include <cstdint>
#include <vector>

// A room of the project as a textured 3D scene: what the 3D view, the 3D picture, the PDF
// and the glTF export all read. Coordinates are metres, Y up; the plan's x runs along X
// and the plan's y (down the screen) along Z, the floor at Y = 0 and the ceiling at the
// room's ceiling height.

// A material: one per product and orientation, or one plain colour.
struct SceneMaterial {
    QString name;
    // The product's picture as it lies in the ceiling (null for a plain colour); the key
    // colour of a see-through product is transparent in it.
    QImage picture;
    QColor colour;
    int productId = -1;  // -1 for the walls, floor, empty cells and grid lines
    int orientation = 0; // the orientation code the picture is turned by
    // Whether the back faces are drawn too; the walls show only their inner side, so a
    // camera outside the room looks through the wall in front of it.
    bool doubleSided = true;
};

// One mesh: triangles over positions with texture coordinates, all of one material, so
// that it is drawn with a single call.
struct SceneMesh {
    enum class Kind {
        Walls,
        Floor,
        Ceiling,
        GridLines,
        SquarePanels,
        Strips,
        Appliances,
        Floating
    };
    Kind kind = Kind::Walls;
    QString name;
    int material = -1;
    std::vector<float> positions; // x, y, z per vertex
    std::vector<float> normals;   // x, y, z per vertex
    std::vector<float> uvs;       // u, v per vertex
    std::vector<std::uint32_t> indices;
};

struct SceneCamera {
    QVector3D eye;
    QVector3D target;
    QVector3D up{0, 1, 0};
    float verticalFieldOfView = 60; // degrees
};

struct CeilingScene {
    std::vector<SceneMaterial> materials;
    std::vector<SceneMesh> meshes;
    QVector3D boundsMin;
    QVector3D boundsMax;
    float ceilingHeight = 2.6f; // metres
    // The centroid of the room's area on the floor.
    QVector3D floorCentre;
};
