#include "quote/open_project.h"

#include "quote/customer_defaults.h"
#include "quote/held_settings.h"
#include "quote/project_bill.h"
#include "quote/project_view.h"
#include "store/customer_store.h"

#include <algorithm>

OpenProject::OpenProject(CustomerStore& store, HeldSettings& held, SetupFile& setup,
                         Prompts& prompts, ProjectView& view)
    : store_(store), held_(held), setup_(setup), prompts_(prompts), view_(view) {
    clearproject();
}

OpenProject::~OpenProject() {
    clearPROOMLIST();
}

void OpenProject::setRoomProjectedited(bool value) {
    edited_ = loading_ ? false : value;
    view_.editedChanged(edited_);
}

void OpenProject::fieldChanged() {
    setRoomProjectedited(true);
}

void OpenProject::followRoom(const TRoom_OBJ* active) {
    if (active && !edited_) {
        setRoomProjectedited(active->roomModified);
    }
}

TRoom_OBJ& OpenProject::CreatNewRoom(const NewRoomRequest& request) {
    RoomContext context = view_.roomContext();
    context.minimumCoverage = std::max(customer.ming, 5);
    context.undoLimit = held_.history;
    room_list.push_back(::CreatNewRoom(context, request));
    const int index = int(room_list.size()) - 1;
    TRoom_OBJ& room = *room_list.back().room;
    view_.roomAdded(index, room);
    view_.activate(index);
    return room;
}

int OpenProject::indexOf(const TRoom_OBJ* room) const {
    for (std::size_t i = 0; i < room_list.size(); ++i) {
        if (room_list[i].room.get() == room) {
            return int(i);
        }
    }
    return -1;
}

void OpenProject::startNewCustomer(qint32 id) {
    clearproject();
    ReadAPROJECT(id);
}

bool OpenProject::ReadAPROJECT(qint32 id) {
    const std::optional<CustomerRecord> row = store_.customer(id);
    if (row) {
        edgeTrimReady = true;
        customer = *row;
        customer.name = customer.name.trimmed();
        customer.ming = std::max(customer.ming, 5);
        if (customer.zk == 0) {
            customer.zk = 100;
        }
        customer.areaTitle = customer.areaTitle.trimmed();
        customer.workerName = customer.workerName.trimmed();
        cuttingStock = cutting_stock_table::read(store_.database(), id);
    }
    setRoomProjectedited(false);
    view_.customerChanged();
    return row.has_value();
}

void OpenProject::clearproject() {
    clearPROOMLIST();
    price_list.clear();
    other_list.clear();
    cuttingStock.clear();
    if (bill_) {
        bill_->clearTable();
    }
    customer = defaultCustomer(held_);
    setRoomProjectedited(false);
    view_.customerChanged();
}

void OpenProject::disposeRoom(int index) {
    view_.roomRemoving(index);
    RoomEntry& entry = room_list[std::size_t(index)];
    pictures_.forget(entry.room.get());
    ceilingHeights_.erase(entry.room.get());
    entry.room->stopScrollTimer();
    entry.room->setCanvas(nullptr);
    room_list.erase(room_list.begin() + index);
}

void OpenProject::clearPROOMLIST() {
    if (room_list.empty()) {
        return;
    }
    view_.activate(-1);
    for (int i = int(room_list.size()) - 1; i >= 0; --i) {
        disposeRoom(i);
    }
}

void OpenProject::getareaID(const QString& title) {
    customer.areaId = store_.areaId(title);
    customer.areaTitle = title.trimmed();
    setRoomProjectedited(true);
}

void OpenProject::getworkerID(const QString& name) {
    customer.worker = store_.workerId(name);
    customer.workerName = name.trimmed();
    setRoomProjectedited(true);
}

void OpenProject::detachFromStore() {
    customer.id = -1;
    for (RoomEntry& entry : room_list) {
        entry.id = -1;
    }
    pictures_.clear();
    setRoomProjectedited(true);
}
