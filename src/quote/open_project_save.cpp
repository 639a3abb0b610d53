#include "quote/open_project.h"

#include "platform/database.h"
#include "platform/picture.h"
#include "platform/prompts.h"
#include "quote/held_settings.h"
#include "quote/project_bill.h"
#include "quote/project_number.h"
#include "quote/project_view.h"
#include "quote/room_digest.h"
#include "store/customer_store.h"
#include "store/room_ceilings.h"
#include "store/stored_lists.h"

namespace {

// One room as the save writes it; `withRecords` false keeps the stored records.
struct RoomWrite {
    RoomRecord row;
    QByteArray digest;
    bool withRecords = true;
    std::optional<int> ceilingHeight;
};

// Shows the save's progress bar and hides it on every way out.
class SaveProgress {
public:
    SaveProgress(ProjectView& view, int maximum) : view_(view), maximum_(maximum) {
        view_.progress(0, maximum_);
    }
    ~SaveProgress() { view_.progress(0, 0); }
    void step() { view_.progress(++value_, maximum_); }

private:
    ProjectView& view_;
    int maximum_;
    int value_ = 0;
};

} // namespace

bool OpenProject::savebtClick() {
    return save(SaveMode::Checked);
}

bool OpenProject::save(SaveMode mode) {
    const bool overwrite = mode == SaveMode::Overwrite;
    SaveProgress progress(view_, int(2 * room_list.size() + price_list.size() + other_list.size()));
    if (bill_) {
        bill_->total();
    }
    CustomerRecord row = customer;
    row.compid = held_.company.compid;
    row.version = 1;
    row.prolist = stored_lists::encodeBillLines(price_list);
    row.otherlist = stored_lists::encodeOtherItems(other_list);
    for (int i = 0; i < price_list.size() + other_list.size(); ++i) {
        progress.step();
    }

    const bool stored = row.id >= 0 && store_.customerExists(row.id);
    const bool lostElsewhere = row.id >= 0 && !stored;
    // Everything is encoded before the transaction, which then only writes rows.
    std::vector<RoomWrite> rooms;
    // The rooms whose previews are written: drawn on the pool while the rows are written.
    std::vector<RoomVersion> previewed;
    std::vector<std::size_t> previewOf;
    for (RoomEntry& entry : room_list) {
        TRoom_OBJ& room = *entry.room;
        room.recount();
        RoomWrite write;
        write.row.title = room.getName();
        write.row.roomstyle = room.roomstyle;
        write.row.zoom = room.zoom;
        write.row.paperWidth = room.wall.paperWidth();
        write.row.notCacl = room.not_Cacl != 0;
        const RoomRecords records = writeRoomRecords(room);
        write.digest = roomDigest(records, room.getName());
        if (const auto height = ceilingHeights_.find(&room); height != ceilingHeights_.end()) {
            write.ceilingHeight = height->second;
        }
        const bool roomStored = stored && entry.id >= 0 && store_.roomExists(entry.id);
        write.row.id = roomStored ? entry.id : -1;
        // An overwrite replaces whatever the other save left in the rooms too.
        write.withRecords =
            !roomStored || overwrite || write.digest != pictures_.storedDigest(&room);
        if (write.withRecords) {
            write.row.roomWall = records.wall;
            write.row.roomKouban = records.kouban;
            write.row.roomDianqi = records.dianqi;
            previewed.push_back({&room, write.digest});
            previewOf.push_back(rooms.size());
        }
        rooms.push_back(std::move(write));
        progress.step();
        view_.processEvents();
    }

    const bool newNumber = !stored;
    bool conflict = false;
    try {
        // The rooms are only read, and the window is not touched, from here until the
        // previews are taken; left untaken (a conflict or an error), they are waited for
        // on leaving this block.
        RoomPictures::Pending previews =
            pictures_.startJpegs(previewed, picture::DefaultJpegQuality);
        Transaction transaction(store_.database());
        if (newNumber) {
            row.proid = takeProjectNumber(store_, held_);
            row.id = store_.insertCustomer(row);
        } else if (overwrite) {
            store_.overwriteCustomer(row);
        } else {
            conflict = !store_.updateCustomer(row);
        }
        if (!conflict) {
            for (RoomWrite& write : rooms) {
                write.row.userId = row.id;
                if (write.row.id >= 0) {
                    store_.updateRoom(write.row, write.withRecords);
                } else {
                    write.row.id = store_.insertRoom(write.row);
                }
                room_ceilings::store(store_.database(), write.row.id, write.ceilingHeight);
            }
            const std::vector<RoomJpeg> drawn = previews.take();
            for (std::size_t i = 0; i < drawn.size(); ++i) {
                RoomWrite& write = rooms[previewOf[i]];
                write.row.pic = drawn[i].value_or(QByteArray());
                store_.setRoomPicture(write.row.id, write.row.pic);
            }
            // The bar moves only now: redrawing it may paint the window, which reads
            // the rooms the pictures were drawn from.
            for (std::size_t i = 0; i < rooms.size(); ++i) {
                progress.step();
            }
            cutting_stock_table::write(store_.database(), row.id, cuttingStock);
            row.revision = store_.revisionOf(row.id).value_or(0);
            transaction.commit();
        }
    } catch (const DatabaseError& error) {
        prompts_.message(QStringLiteral("保存失败,数据没有写入客户库:\n") +
                         QString::fromUtf8(error.what()));
        return false;
    }
    if (conflict) {
        // Another seat saved the customer after this project read it; nothing was written.
        switch (
            prompts_.askThreeWay(QStringLiteral("该客户已被其他用户修改，是否另存为新客户？"))) {
        case Prompts::Yes:
            return saveAsNew();
        case Prompts::No:
            return save(SaveMode::Overwrite);
        default:
            return false;
        }
    }

    // The store holds the new version: the project follows it.
    if (newNumber) {
        projectNumberStored(store_, held_, setup_);
    }
    customer.id = row.id;
    customer.proid = row.proid;
    customer.compid = row.compid;
    customer.version = row.version;
    customer.revision = row.revision;
    for (std::size_t i = 0; i < rooms.size(); ++i) {
        room_list[i].id = rooms[i].row.id;
        if (rooms[i].withRecords) {
            pictures_.stored(room_list[i].room.get(), rooms[i].digest, rooms[i].row.pic);
        }
        room_list[i].room->roomModified = false;
    }
    setRoomProjectedited(false);
    view_.customerChanged();
    if (lostElsewhere) {
        prompts_.message(QStringLiteral("该客户已从客户库中删除,已另存为新客户,项目编号:") +
                         row.proid);
    }
    return true;
}

bool OpenProject::N34Click() {
    if (!prompts_.confirm(QStringLiteral("另存当前项目?"))) {
        return false;
    }
    return saveAsNew();
}

bool OpenProject::saveAsNew() {
    const qint32 oldId = customer.id;
    std::vector<qint32> oldRoomIds;
    for (RoomEntry& entry : room_list) {
        oldRoomIds.push_back(entry.id);
        entry.id = -1;
    }
    customer.id = -1;
    if (savebtClick()) {
        return true;
    }
    customer.id = oldId;
    for (std::size_t i = 0; i < room_list.size(); ++i) {
        room_list[i].id = oldRoomIds[i];
    }
    return false;
}

bool OpenProject::N90Click() {
    if (!askToSave()) {
        return false;
    }
    clearproject();
    customer.id = -1;
    customer.locked = true;
    view_.customerChanged();
    return true;
}
