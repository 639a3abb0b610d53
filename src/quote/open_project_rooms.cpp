#include "quote/open_project.h"

#include "platform/prompts.h"
#include "quote/held_settings.h"
#include "quote/project_view.h"
#include "quote/room_digest.h"
#include "store/customer_store.h"
#include "store/room_ceilings.h"

bool OpenProject::deleteRoom(int index) {
    if (index < 0 || index >= int(room_list.size())) {
        return false;
    }
    const QString title = room_list[std::size_t(index)].room->getName();
    if (!prompts_.confirm(QStringLiteral("是否删除当前房间 \"") + title + QStringLiteral("\"?")) ||
        !prompts_.confirm(QStringLiteral("房间删除后将无法恢复,确定吗?"))) {
        return false;
    }
    const qint32 id = room_list[std::size_t(index)].id;
    if (id >= 0) {
        store_.deleteRoom(id);
    }
    view_.activate(-1);
    disposeRoom(index);
    view_.activate(room_list.empty() ? -1 : std::min(index, int(room_list.size()) - 1));
    return true;
}

bool OpenProject::copyRoom(int index) {
    if (index < 0 || index >= int(room_list.size()) ||
        !prompts_.confirm(QStringLiteral("是否将当前房间复制为一新房间？"))) {
        return false;
    }
    TRoom_OBJ& source = *room_list[std::size_t(index)].room;
    const RoomRecords records = writeRoomRecords(source);
    NewRoomRequest request;
    request.name = source.getName();
    request.roomMode = source.roomstyle;
    request.stripFreeMode = source.stripFreeMode;
    TRoom_OBJ& copy = CreatNewRoom(request);
    if (const auto height = ceilingHeights_.find(&source); height != ceilingHeights_.end()) {
        ceilingHeights_[&copy] = height->second;
    }
    const bool read = copy.readWall(&records.wall, source.getName(), source.roomstyle) &&
                      copy.readKouban(&records.kouban) && copy.readDianqi(&records.dianqi);
    copy.zoom = source.zoom - 2;
    copy.zoomIn();
    copy.undoLimit = held_.history;
    copy.editMode = source.editMode;
    copy.setTool(source.tool);
    copy.paint();
    copy.recount();
    copy.startHistory();
    if (!read) {
        prompts_.message(QStringLiteral("复制房间错误!"));
    }
    return read;
}

bool OpenProject::importRoom(qint32 roomRowId) {
    const std::optional<RoomRecord> row = store_.room(roomRowId);
    if (!row || !prompts_.confirm(QStringLiteral("是否将[") + row->title +
                                  QStringLiteral("]导入到当前设计客户中?"))) {
        return false;
    }
    RoomRecord imported = *row;
    TRoom_OBJ& room = loadRoom(imported, -1);
    if (const std::optional<int> height = room_ceilings::heightOf(store_.database(), roomRowId)) {
        ceilingHeights_[&room] = *height;
    }
    room.editMode = EditDesign;
    room.setTool(20);
    room.paint();
    room.recount();
    room.roomModified = false;
    setRoomProjectedited(true);
    return true;
}

bool OpenProject::renameRoom(int index) {
    if (index < 0 || index >= int(room_list.size())) {
        return false;
    }
    TRoom_OBJ& room = *room_list[std::size_t(index)].room;
    const std::optional<QString> title = prompts_.inputText(
        QStringLiteral("房间名称更改"), QStringLiteral("请输入新名称"), room.getName());
    if (!title) {
        return false;
    }
    room.setName(title->trimmed());
    view_.roomRetitled(index, room.getName());
    room.roomModified = true;
    setRoomProjectedited(true);
    return true;
}
