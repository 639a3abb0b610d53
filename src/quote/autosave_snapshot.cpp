#include "quote/autosave_snapshot.h"

#include "core/troom_obj.h"
#include "quote/open_project.h"
#include "quote/room_digest.h"

#include <QTimer>

void AutosaveSnapshotter::touch(const TRoom_OBJ* room) {
    if (room) {
        touched_.insert(room);
    }
}

ProjectCopy AutosaveSnapshotter::take(OpenProject& project, const TRoom_OBJ* active) {
    touch(active);
    ProjectCopy copy;
    copy.customer = project.customer;
    copy.billLines = project.price_list;
    copy.items = project.other_list;
    std::unordered_map<const TRoom_OBJ*, Seen> seenNow;
    copy.cuttingStock = project.cuttingStock;
    for (const RoomEntry& entry : project.room_list) {
        TRoom_OBJ& room = *entry.room;
        const auto found = seen_.find(&room);
        const bool same = found != seen_.end() && found->second.life &&
                          found->second.life == room.scrollTimer.get();
        const Seen seen = same ? found->second : Seen{nextKey_++, room.scrollTimer.get()};
        CopiedRoom copied;
        copied.key = seen.key;
        copied.entryId = entry.id;
        copied.row.id = entry.id;
        copied.row.title = room.getName();
        copied.row.roomstyle = room.roomstyle;
        copied.row.zoom = room.zoom;
        copied.row.paperWidth = room.wall.paperWidth();
        copied.row.notCacl = room.not_Cacl != 0;
        copied.ceilingHeight = project.ownCeilingHeight(int(copy.rooms.size()));
        copied.recordsKept = same && !touched_.contains(&room);
        if (!copied.recordsKept) {
            RoomRecords records = writeRoomRecords(room);
            copied.row.roomWall = std::move(records.wall);
            copied.row.roomKouban = std::move(records.kouban);
            copied.row.roomDianqi = std::move(records.dianqi);
        }
        seenNow.emplace(&room, seen);
        copy.rooms.push_back(std::move(copied));
    }
    seen_ = std::move(seenNow);
    touched_.clear();
    return copy;
}

void AutosaveSnapshotter::forget() {
    seen_.clear();
    touched_.clear();
}
