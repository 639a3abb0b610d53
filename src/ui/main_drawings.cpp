#include "ui/main_drawings.h"

#include "quote/open_project.h"
#include "quote/room_drawings.h"
#include "ui/main_actions.h"
#include "ui/tmainfm.h"

#include <QAction>

void wireDrawingExports(Tmainfm& main, const QString& exportFolder, Prompts& prompts) {
    const auto exportRooms = [&main, exportFolder, &prompts](std::vector<TRoom_OBJ*> rooms) {
        room_drawings::exportRooms(main.project().customer.name, rooms, exportFolder, prompts);
    };
    for (const char* name : {"exportDxf", "exportDxfAll"}) {
        main.actions()[QString::fromUtf8(name)]->setEnabled(true);
    }
    QObject::connect(main.actions()[QStringLiteral("exportDxf")], &QAction::triggered, &main,
                     [&main, exportRooms] {
                         if (TRoom_OBJ* room = main.getActiveOBJ()) {
                             exportRooms({room});
                         }
                     });
    QObject::connect(main.actions()[QStringLiteral("exportDxfAll")], &QAction::triggered, &main,
                     [&main, exportRooms] {
                         std::vector<TRoom_OBJ*> rooms;
                         for (const RoomEntry& entry : main.project().room_list) {
                             rooms.push_back(entry.room.get());
                         }
                         exportRooms(rooms);
                     });
}
