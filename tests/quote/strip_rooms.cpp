#include "strip_rooms.h"

#include "library/product_library.h"
#include "platform/database.h"
#include "project_fixture.h"

qint32 firstStrip(Database& library) {
    return library
        .scalar(QStringLiteral("select id from pic where style = ? order by id limit 1"),
                {int(KindStrip)})
        .toInt();
}

TRoom_OBJ& addLaidRoom(OpenProject& project, const QString& title, int mode, qint32 product,
                       int width, int height) {
    NewRoomRequest request;
    request.name = title;
    request.roomMode = mode;
    TRoom_OBJ& room = project.CreatNewRoom(request);
    drawRectangle(room, width, height);
    room.currentProduct = {product, mode == SquarePanelRoom ? KindSquarePanel : KindStrip, 0};
    room.wholeAndPatternFill(0, 0);
    room.recount();
    return room;
}
