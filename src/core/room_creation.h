#pragma once

#include <QString>

class Database;
class Prompts;
class RoomCanvas;
class RoomStatisticsView;

// What every room of the project takes from the main window and the settings.
struct RoomContext {
    RoomCanvas* canvas = nullptr;                 // the shared design canvas; not owned
    Database* library = nullptr;                  // the product library; not owned
    Prompts* prompts = nullptr;                   // where the room's messages go; not owned
    RoomStatisticsView* statisticsView = nullptr; // the room statistics list; not owned
    int initialPaperWidth = 2000; // the canvas host's width - 20 (replaced by the zoom)
    int minimumCoverage = 5;      // the project's minimum panel coverage (%)
    int undoLimit = 20;           // the `history` setting
};

// One room to create: its store id (-1 until first saved), name, cell size in mm, the
// optional rectangular walls in cm (0 x 0 for none), room mode and strip free mode.
struct NewRoomRequest {
    int id = -1;
    QString name;
    int columnWidth = 300;
    int rowHeight = 300;
    int rectangleWidth = 0;
    int rectangleHeight = 0;
    int roomMode = 0;
    bool stripFreeMode = true;
};
