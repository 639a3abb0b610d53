#include "quote/open_project.h"

#include "platform/prompts.h"
#include "quote/held_settings.h"
#include "quote/project_bill.h"
#include "quote/project_view.h"
#include "quote/room_digest.h"
#include "store/customer_store.h"
#include "store/room_ceilings.h"
#include "store/stored_lists.h"

#include <algorithm>

bool OpenProject::askToSave() {
    if (!edited_) {
        return true;
    }
    const QString question =
        QStringLiteral("当前客户") + customer.name + QStringLiteral("已修改,是否保存?");
    switch (prompts_.askThreeWay(question)) {
    case Prompts::Cancel:
        return false;
    case Prompts::Yes:
        return savebtClick();
    case Prompts::No:
        return true;
    }
    return false;
}

bool OpenProject::openproject(qint32 id) {
    if (!askToSave()) {
        return false;
    }
    loading_ = true;
    clearproject();
    if (!ReadAPROJECT(id)) {
        loading_ = false;
        return false;
    }
    price_list = stored_lists::decodeBillLines(customer.prolist, &prompts_);
    other_list = stored_lists::decodeOtherItems(customer.otherlist, &prompts_);
    if (bill_) {
        bill_->readfromPricelist();
    }
    const std::unordered_map<qint32, int> heights =
        room_ceilings::heightsOfCustomer(store_.database(), id);
    const std::vector<RoomRecord> rows = store_.roomsOf(id);
    // The old project is gone already: opening cannot stop midway.
    ProgressScope work(view_.work(), QStringLiteral("打开客户"), int(rows.size()), false);
    for (const RoomRecord& row : rows) {
        work.advance(int(&row - rows.data()));
        TRoom_OBJ& room = loadRoom(row, row.id);
        if (const auto height = heights.find(row.id); height != heights.end()) {
            ceilingHeights_[&room] = height->second;
        }
        room.not_Cacl = row.notCacl ? 1 : 0;
        room.editMode = EditDesign;
        room.setTool(9);
        room.paint();
        room.recount();
        room.roomModified = false;
        view_.processEvents();
    }
    work.advance(int(rows.size()));
    loading_ = false;
    setRoomProjectedited(false);
    return true;
}

TRoom_OBJ& OpenProject::loadRoom(const RoomRecord& row, qint32 entryId) {
    NewRoomRequest request;
    request.id = entryId;
    request.name = row.title;
    request.roomMode = row.roomstyle;
    request.stripFreeMode = false;
    TRoom_OBJ& room = CreatNewRoom(request);
    room.zoom = row.zoom - 2;
    room.roomstyle = row.roomstyle;
    room.readWall(&row.roomWall, row.title, row.roomstyle);
    room.paint();
    room.zoomIn();
    room.undoLimit = held_.history;
    room.readKouban(&row.roomKouban);
    room.readDianqi(&row.roomDianqi);
    room.minimumCoverage = std::max(customer.ming, 5);
    room.startHistory();
    if (entryId >= 0) {
        pictures_.stored(&room, roomDigest(room), row.pic);
    }
    return room;
}
