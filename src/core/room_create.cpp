#include "core/troom_obj.h"

#include "core/historyrec.h"
#include "core/ppdu_id.h"
#include "core/room_canvas.h"
#include "core/tdianqi_rec.h"
#include "core/tpic_rec.h"

#include <QTimer>

#include <algorithm>

TRoom_OBJ::TRoom_OBJ(const RoomContext& context, int columnWidth, int rowHeight, int roomMode,
                     bool stripFreeMode)
    : roomstyle(roomMode), canvas(context.canvas), stripFreeMode(stripFreeMode),
      library(context.library), prompts(context.prompts) {
    maskRevision = wall.revision();
    wall.setPaperWidth(context.initialPaperWidth);

    scrollTimer = std::make_unique<QTimer>();
    scrollTimer->setInterval(50);
    QObject::connect(scrollTimer.get(), &QTimer::timeout, scrollTimer.get(),
                     [this] { scrollTimerTick(); });

    zoom = 8;
    zoomIn();

    // The wall popup and the design popup get their entries with the wall tools and
    // the design workspace.

    // Strips set one size from the other: along columns every row is as high as a
    // column is wide, along rows every column as wide as a row is high.
    if (roomMode == StripsAlongColumns) {
        rowHeight = columnWidth;
    } else if (roomMode == StripsAlongRows) {
        columnWidth = rowHeight;
    }
    cell(0, 0) = 0;
    for (int i = 1; i <= LastCell; ++i) {
        cell(i, 0) = columnWidth;
        cell(0, i) = rowHeight;
    }
    notifyHost();
}

// The lists own their records; the timer stops with its object.
TRoom_OBJ::~TRoom_OBJ() = default;

void TRoom_OBJ::setCanvas(RoomCanvas* newCanvas) {
    canvas = newCanvas;
    if (canvas) {
        bindCanvasEvents();
    }
}

void TRoom_OBJ::bindCanvasEvents() {
    if (editMode == EditDesign) {
        route_ = CanvasRoute::Design;
        computeActiveRange();
        rebuildMask();
    } else {
        route_ = CanvasRoute::Walls;
    }
}

void TRoom_OBJ::setTool(quint8 newTool) {
    tool = newTool;
    rectangleStart.setX(NoRectangleStart);
    bindCanvasEvents();
    // The fill, view and arrange tools start with no object selected.
    if (newTool == 9 || newTool == 10 || (newTool >= 15 && newTool <= 20)) {
        for (const std::unique_ptr<tdianqi_rec>& object : objects) {
            object->selected = false;
        }
    }
    notifyHost();
}

void TRoom_OBJ::notifyHost() {
    if (hostNotifier) {
        hostNotifier();
    } else if (canvas) {
        canvas->notifyParent();
    }
}

RoomEntry CreatNewRoom(const RoomContext& context, const NewRoomRequest& request) {
    auto room = std::make_unique<TRoom_OBJ>(context, request.columnWidth, request.rowHeight,
                                            request.roomMode, request.stripFreeMode);
    room->minimumCoverage = std::max(context.minimumCoverage, 5);
    const QString name = request.name.trimmed();
    room->setName(name.isEmpty() ? QStringLiteral("新房间") : name);
    if (request.rectangleWidth != 0 && request.rectangleHeight != 0) {
        room->makeRectangle(request.rectangleWidth, request.rectangleHeight);
    }
    room->statisticsView = context.statisticsView;
    room->centreView();
    room->undoLimit = context.undoLimit;
    return {request.id, std::move(room)};
}
