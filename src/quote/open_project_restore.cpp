#include "quote/open_project.h"

#include "quote/project_bill.h"
#include "quote/project_copy.h"
#include "quote/project_view.h"

void OpenProject::restoreCopy(const ProjectCopy& copy) {
    loading_ = true;
    clearproject();
    customer = copy.customer;
    price_list = copy.billLines;
    other_list = copy.items;
    cuttingStock = copy.cuttingStock;
    edgeTrimReady = true;
    view_.customerChanged();
    if (bill_) {
        bill_->readfromPricelist();
    }
    for (const CopiedRoom& copied : copy.rooms) {
        // Without a stored digest the next save writes the room's records again.
        TRoom_OBJ& room = loadRoom(copied.row, -1);
        room_list.back().id = copied.entryId;
        room.not_Cacl = copied.row.notCacl ? 1 : 0;
        if (copied.ceilingHeight) {
            ceilingHeights_[&room] = *copied.ceilingHeight;
        }
        room.editMode = EditDesign;
        room.setTool(9);
        room.paint();
        room.recount();
        view_.processEvents();
    }
    loading_ = false;
    setRoomProjectedited(true);
}
