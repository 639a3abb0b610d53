#pragma once

#include "core/otherrec.h"
#include "core/ppdu_id.h"
#include "core/troom_obj.h"
#include "quote/room_pictures.h"
#include "store/customer_record.h"
#include "store/cutting_stock_table.h"

#include <QList>

#include <unordered_map>
#include <vector>

class CustomerStore;
class ProjectBill;
struct ProjectCopy;
class Prompts;
class ProjectView;
class SetupFile;
struct HeldSettings;

// The open project: one customer with its rooms on tabs, its bill lines and non-display
// items, and whether it has unsaved changes. The main window shows it through a
// ProjectView; every question goes through Prompts and every statement through the
// customer store.
class OpenProject {
public:
    OpenProject(CustomerStore& store, HeldSettings& held, SetupFile& setup, Prompts& prompts,
                ProjectView& view);
    ~OpenProject();
    OpenProject(const OpenProject&) = delete;
    OpenProject& operator=(const OpenProject&) = delete;

    // The customer row as shown on the customer page: id -1 until stored, the fields,
    // the area and handler ids, discount, lock, accessory parameters and edge trim.
    CustomerRecord customer;
    std::vector<RoomEntry> room_list;
    QList<Ppdu_id> price_list;
    QList<otherrec> other_list;
    // The dealer's stock lengths of the cutting list, saved with the project.
    CuttingStock cuttingStock;
    // The automatic edge trim line shows only while this is set: from the start, when a
    // customer row is read and when the settings are saved.
    bool edgeTrimReady = true;

    // The bill of materials that keeps the statistics table; none in a bare project.
    void setBill(ProjectBill* bill) { bill_ = bill; }

    // The rooms' design pictures, drawn once per room state.
    RoomPictures& pictures() { return pictures_; }

    bool edited() const { return edited_; }
    bool loading() const { return loading_; }
    // Forced off while loading.
    void setRoomProjectedited(bool value);
    // A customer field changed on the page.
    void fieldChanged();
    // The workspace refresh: an unedited project follows the active room's modified flag.
    void followRoom(const TRoom_OBJ* active);

    // Adds a room entry with its tab and makes it active.
    TRoom_OBJ& CreatNewRoom(const NewRoomRequest& request);
    int indexOf(const TRoom_OBJ* room) const;

    // "新建": the customer row the details form has just inserted becomes the open
    // project, without asking about the one that was open.
    void startNewCustomer(qint32 id);
    // Loads a customer, asking first when the open project is edited. False when the
    // user cancelled or the customer is unknown.
    bool openproject(qint32 id);
    // Loads the customer page from the stored row; false for an unknown id.
    bool ReadAPROJECT(qint32 id);
    void clearproject();
    // Frees the rooms, last first.
    void clearPROOMLIST();

    // Saves the customer row and every room in one transaction. False, with a message
    // and the project unchanged in memory, when the store refused. When another seat
    // saved the customer since this project read it, the user chooses: a new customer,
    // overwriting the other save, or going on editing (false, nothing written).
    bool savebtClick();
    // "另存为...": a new customer with a new number and new room rows.
    bool N34Click();
    // "关闭客户": false when the user cancelled.
    bool N90Click();
    // The save question of closing or opening: false when the user cancelled or the save
    // failed.
    bool askToSave();

    // The project as imported from a file: no longer in the store (customer and rooms
    // unstored), edited, so that saving makes a new customer.
    void detachFromStore();
    // The project as an automatic copy held it, edited: saving updates the customer it
    // came from (a project never saved stays new).
    void restoreCopy(const ProjectCopy& copy);

    // Room commands on the entry at `index`.
    bool deleteRoom(int index);
    bool copyRoom(int index);
    bool renameRoom(int index);
    // Copies a stored room of any customer into the project.
    bool importRoom(qint32 roomRowId);

    // The ceiling height in cm of the room at `index` for its 3D view: its own, else the
    // setting "吊顶高度(cm)". Setting one marks the room and the project edited; it is
    // saved, copied and removed with the room.
    int ceilingHeight(int index) const;
    // The room's own height; none when it follows the setting.
    std::optional<int> ownCeilingHeight(int index) const;
    void setCeilingHeight(int index, int heightCm);

    // The area and handler chosen on the customer page by name.
    void getareaID(const QString& title);
    void getworkerID(const QString& name);

private:
    enum class SaveMode { Checked, Overwrite };
    bool save(SaveMode mode);
    // Saves the project as a new customer with a new number and new room rows.
    bool saveAsNew();

    // Creates a room from a stored row and reads its records into it.
    TRoom_OBJ& loadRoom(const RoomRecord& row, qint32 entryId);
    void disposeRoom(int index);

    // Per room, the digest of the records and title last stored or loaded with the stored
    // preview, and the picture drawn last. A save whose records give the same digest keeps
    // the stored records and picture.
    RoomPictures pictures_;
    // The rooms given a ceiling height of their own.
    std::unordered_map<const TRoom_OBJ*, int> ceilingHeights_;

    ProjectBill* bill_ = nullptr;
    CustomerStore& store_;
    HeldSettings& held_;
    SetupFile& setup_;
    Prompts& prompts_;
    ProjectView& view_;
    bool edited_ = false;
    bool loading_ = false;
};
