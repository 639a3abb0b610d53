#include "project_fixture.h"

#include "library/product_library.h"
#include "quote/setup_keys.h"
#include "store/stored_lists.h"

#include <QSqlQuery>

namespace {

struct RoomShape {
    int roomMode;
    int productKind;
    QString title;
};

// The state of a room that a save and an open must keep.
struct RoomState {
    QString title;
    int roomstyle;
    int zoom;
    int excluded;
    QList<QPoint> corners;
    std::vector<qint32> cells;
    std::vector<quint8> attributes;
    std::vector<std::tuple<int, int, int, int>> objects;
    std::vector<std::pair<int, double>> quantities;
};

// Field by field, so that a failure names what differs.
void expectSame(const RoomState& a, const RoomState& b, const std::string& what) {
    EXPECT_EQ(a.title, b.title) << what;
    EXPECT_EQ(a.roomstyle, b.roomstyle) << what;
    EXPECT_EQ(a.zoom, b.zoom) << what;
    EXPECT_EQ(a.excluded, b.excluded) << what;
    EXPECT_EQ(a.corners, b.corners) << what;
    EXPECT_TRUE(a.cells == b.cells) << what << ": cells";
    EXPECT_TRUE(a.attributes == b.attributes) << what << ": cell attributes";
    EXPECT_EQ(a.objects, b.objects) << what;
    EXPECT_EQ(a.quantities, b.quantities) << what;
}

RoomState stateOf(const TRoom_OBJ& room) {
    RoomState s{room.getName(),
                room.roomstyle,
                room.zoom,
                room.not_Cacl,
                room.wall.corners(),
                {},
                {},
                {},
                {}};
    // The sizes of every column and row, and the cells of the active range: nothing outside
    // the range is drawn, counted or stored.
    for (int i = 1; i <= TRoom_OBJ::LastCell; ++i) {
        s.cells.push_back(room.columnWidth(i));
        s.cells.push_back(room.rowHeight(i));
    }
    for (int c = room.firstColumn; c <= room.lastColumn; ++c) {
        for (int r = room.firstRow; r <= room.lastRow; ++r) {
            s.cells.push_back(room.cell(c, r));
            s.attributes.push_back(room.cellAttribute(c, r));
        }
    }
    // A strip room's strips: one entry per column (row) of the range.
    const bool alongColumns = room.roomstyle == StripsAlongColumns;
    const int first = alongColumns ? room.firstColumn : room.firstRow;
    const int last = alongColumns ? room.lastColumn : room.lastRow;
    for (int i = first; room.roomstyle != SquarePanelRoom && i <= last; ++i) {
        s.cells.push_back(alongColumns ? room.cell(i, 1) : room.cell(1, i));
    }
    for (const auto& object : room.objects) {
        s.objects.emplace_back(object->id, object->x, object->y, object->orientation);
    }
    for (const auto& line : room.billLines) {
        s.quantities.emplace_back(line->id, line->number);
    }
    return s;
}

} // namespace

class OpenProjectTest : public ProjectTest {
protected:
    // Three rooms, one of each mode, fully laid; the square room holds two appliances.
    void designThreeRooms() {
        const RoomShape shapes[] = {
            {SquarePanelRoom, KindSquarePanel, QStringLiteral("客厅")},
            {StripsAlongColumns, KindStrip, QStringLiteral("厨房")},
            {StripsAlongRows, KindStrip, QStringLiteral("卫生间")},
        };
        for (const RoomShape& shape : shapes) {
            NewRoomRequest request;
            request.name = shape.title;
            request.roomMode = shape.roomMode;
            TRoom_OBJ& room = project->CreatNewRoom(request);
            drawRectangle(room, 360, 270);
            const QVariant product = library.scalar(
                QStringLiteral("select id from pic where style = ? order by id limit 1"),
                {shape.productKind});
            room.currentProduct = {product.toInt(), shape.productKind, 0};
            room.wholeAndPatternFill(0, 0);
            if (shape.roomMode == SquarePanelRoom) {
                const int appliance = productOf(KindAppliance, 300, 300);
                for (int x : {900, 960}) {
                    auto object = std::make_unique<tdianqi_rec>();
                    object->id = appliance;
                    object->x = x;
                    object->y = 930;
                    room.objects.push_back(std::move(object));
                }
                room.reseatAllAppliances();
            }
            room.recount();
            ASSERT_FALSE(room.billLines.empty()) << shape.title.toStdString();
        }
        project->room_list[1].room->not_Cacl = 1;
        project->room_list[2].room->zoom = 14;
    }
};

TEST_F(OpenProjectTest, ASavedProjectOpensAgainFieldByFieldAndCellByCell) {
    project->customer.ming = 40;
    designThreeRooms();
    project->customer.name = QStringLiteral("张三");
    project->customer.tele = QStringLiteral("0571-1234567");
    project->customer.smonth = 3;
    project->customer.designdate = QDateTime(QDate(2026, 12, 9), QTime(0, 0));
    project->customer.keelPrice = 4.5;
    project->customer.zk = 95;
    project->customer.locked = true;
    project->price_list.append(
        Ppdu_id{QStringLiteral("灯"), 77, 2, KindAppliance, 12.5, 3, -1, -1, QStringLiteral("个")});
    project->other_list.append(
        otherrec{78, 3, QStringLiteral("吊杆"), QStringLiteral("根"), -2, KindOther, 1.5});
    std::vector<RoomState> before;
    for (const RoomEntry& entry : project->room_list) {
        before.push_back(stateOf(*entry.room));
    }
    ASSERT_TRUE(project->savebtClick());
    EXPECT_TRUE(view->progressShown);
    EXPECT_EQ(view->progressMaximum, 2 * 3 + 1 + 1) << "each room encoded, then written";
    EXPECT_EQ(view->progressValue, 0) << "the progress bar is hidden at the end";
    const qint32 id = project->customer.id;

    RecordingView otherView(library, prompts);
    auto opened = reopen(otherView);
    ASSERT_TRUE(opened->openproject(id));
    EXPECT_FALSE(opened->edited());
    EXPECT_EQ(otherView.tabs, QStringList({"客厅", "厨房", "卫生间"}));
    ASSERT_EQ(opened->room_list.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        const TRoom_OBJ& room = *opened->room_list[i].room;
        expectSame(stateOf(room), before[i], "room " + std::to_string(i));
        EXPECT_EQ(room.editMode, EditDesign);
        EXPECT_EQ(room.tool, FirstDesignTool);
        EXPECT_FALSE(room.roomModified);
        EXPECT_EQ(opened->room_list[i].id, project->room_list[i].id);
    }
    const CustomerRecord& c = opened->customer;
    EXPECT_EQ(c.name, QStringLiteral("张三"));
    EXPECT_EQ(c.tele, QStringLiteral("0571-1234567"));
    EXPECT_EQ(c.smonth, 3);
    EXPECT_EQ(c.designdate.date(), QDate(2026, 12, 9));
    EXPECT_EQ(c.keelPrice, 4.5);
    EXPECT_EQ(c.zk, 95);
    EXPECT_TRUE(c.locked);
    EXPECT_EQ(c.ming, 40);
    EXPECT_EQ(c.proid, QStringLiteral("HT0012"));
    ASSERT_EQ(opened->price_list.size(), 1);
    EXPECT_EQ(opened->price_list[0].number, 3);
    EXPECT_EQ(opened->price_list[0].width, -1);
    ASSERT_EQ(opened->other_list.size(), 1);
    EXPECT_EQ(opened->other_list[0].number, -2);
}

TEST_F(OpenProjectTest, TheFirstSaveTakesTheNextNumberAndLaterSavesUpdateTheSameRows) {
    designThreeRooms();
    project->customer.name = QStringLiteral("李四");
    ASSERT_TRUE(project->savebtClick());
    EXPECT_EQ(project->customer.proid, QStringLiteral("HT0012"));
    EXPECT_EQ(setup->read(setup::index), 13);
    EXPECT_FALSE(project->edited());
    const qint32 id = project->customer.id;

    project->room_list[0].room->title = QStringLiteral("主卧");
    project->fieldChanged();
    ASSERT_TRUE(project->savebtClick());
    EXPECT_EQ(project->customer.id, id);
    EXPECT_EQ(setup->read(setup::index), 13);
    EXPECT_EQ(rows("userlist"), 1);
    EXPECT_EQ(rows("roomlist"), 3);
    EXPECT_EQ(store->room(project->room_list[0].id)->title, QStringLiteral("主卧"));

    // Save as: a new customer with a new number and new rooms; the old rows stay.
    const std::vector<RoomRecord> oldRooms = store->roomsOf(id);
    prompts.answerConfirm(true);
    project->room_list[2].room->cell(40, 40) = -1;
    ASSERT_TRUE(project->N34Click());
    EXPECT_NE(project->customer.id, id);
    EXPECT_EQ(project->customer.proid, QStringLiteral("HT0013"));
    EXPECT_EQ(project->customer.name, QStringLiteral("李四"));
    EXPECT_EQ(rows("roomlist"), 6);
    for (const RoomEntry& entry : project->room_list) {
        EXPECT_EQ(store->room(entry.id)->userId, project->customer.id);
    }
    const std::vector<RoomRecord> keptRooms = store->roomsOf(id);
    ASSERT_EQ(keptRooms.size(), oldRooms.size());
    for (std::size_t i = 0; i < keptRooms.size(); ++i) {
        EXPECT_EQ(keptRooms[i].roomKouban, oldRooms[i].roomKouban);
        EXPECT_EQ(keptRooms[i].pic, oldRooms[i].pic);
    }
}

TEST_F(OpenProjectTest, ASaveTheStoreRefusesLeavesStoreSettingsAndProjectAsTheyWere) {
    designThreeRooms();
    storeDb.exec(QStringLiteral("create trigger refuse before insert on roomlist "
                                "when (select count(*) from roomlist) >= 2 "
                                "begin select raise(abort, 'disk full'); end"));
    project->fieldChanged();
    EXPECT_FALSE(project->savebtClick());
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_TRUE(prompts.messages()[0].startsWith(QStringLiteral("保存失败")));
    EXPECT_EQ(rows("userlist"), 0);
    EXPECT_EQ(rows("roomlist"), 0);
    EXPECT_EQ(setup->read(setup::index), 0) << "the number was not taken";
    EXPECT_EQ(held.numbering.index, 12);
    EXPECT_EQ(project->customer.id, -1);
    EXPECT_TRUE(project->edited());
    for (const RoomEntry& entry : project->room_list) {
        EXPECT_EQ(entry.id, -1);
    }
    storeDb.exec(QStringLiteral("drop trigger refuse"));
    EXPECT_TRUE(project->savebtClick()) << "the dealer can try again";
    EXPECT_EQ(rows("roomlist"), 3);
}

TEST_F(OpenProjectTest, ACustomerDeletedElsewhereIsStoredAgainUnderANewNumber) {
    designThreeRooms();
    ASSERT_TRUE(project->savebtClick());
    const qint32 id = project->customer.id;
    store->deleteCustomer(id);
    project->fieldChanged();
    ASSERT_TRUE(project->savebtClick());
    EXPECT_NE(project->customer.id, id);
    EXPECT_EQ(project->customer.proid, QStringLiteral("HT0013"));
    EXPECT_EQ(rows("roomlist"), 3);
    EXPECT_EQ(store->roomsOf(project->customer.id).size(), 3u);
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_TRUE(prompts.messages()[0].contains(QStringLiteral("HT0013")));
}

TEST_F(OpenProjectTest, AnUnchangedRoomKeepsItsStoredPictureAndAChangedOneIsWrittenAgain) {
    designThreeRooms();
    ASSERT_TRUE(project->savebtClick());
    const qint32 unchanged = project->room_list[1].id;
    const qint32 changedId = project->room_list[0].id;
    storeDb.exec(QStringLiteral("update roomlist set pic = ?"), {QByteArray("kept")});
    TRoom_OBJ& changed = *project->room_list[0].room;
    ASSERT_TRUE(changed.removePanel(*changed.cellOfPoint({1000, 1000})));
    ASSERT_TRUE(project->savebtClick());
    EXPECT_EQ(store->room(unchanged)->pic, QByteArray("kept"));
    const RoomRecord rewritten = *store->room(changedId);
    EXPECT_TRUE(rewritten.pic.startsWith("\xFF\xD8"))
        << "a JPEG picture of " << rewritten.pic.size();
    QByteArray kouban;
    changed.writeKouban(&kouban);
    EXPECT_EQ(rewritten.roomKouban, kouban);
}

TEST_F(OpenProjectTest, RoomCommandsAskTheirQuestionsAndTouchTheStoreOnlyForStoredRooms) {
    designThreeRooms();
    const auto changes = [this] {
        return storeDb.scalar(QStringLiteral("select total_changes()")).toInt();
    };
    const int before = changes();
    prompts.answerConfirm(true);
    prompts.answerConfirm(true);
    ASSERT_TRUE(project->deleteRoom(1));
    EXPECT_EQ(changes(), before) << "a never-saved room needs no statement";
    EXPECT_EQ(view->tabs, QStringList({"客厅", "卫生间"}));
    EXPECT_EQ(prompts.shown.mid(0, 2), QStringList({"confirm:是否删除当前房间 \"厨房\"?",
                                                    "confirm:房间删除后将无法恢复,确定吗?"}));

    ASSERT_TRUE(project->savebtClick());
    const qint32 stored = project->room_list[0].id;
    prompts.answerConfirm(true);
    prompts.answerConfirm(false);
    EXPECT_FALSE(project->deleteRoom(0)) << "both questions must be answered yes";
    prompts.answerConfirm(true);
    prompts.answerConfirm(true);
    ASSERT_TRUE(project->deleteRoom(0));
    EXPECT_FALSE(store->roomExists(stored));

    prompts.answerText(QStringLiteral("  阳台 "));
    ASSERT_TRUE(project->renameRoom(0));
    EXPECT_EQ(view->tabs, QStringList({"阳台"}));
    EXPECT_TRUE(project->edited());

    prompts.answerConfirm(true);
    ASSERT_TRUE(project->copyRoom(0));
    ASSERT_EQ(project->room_list.size(), 2u);
    EXPECT_EQ(project->room_list[1].id, -1);
    expectSame(stateOf(*project->room_list[1].room), stateOf(*project->room_list[0].room), "copy");
}

TEST_F(OpenProjectTest, ImportingARoomOfAnotherCustomerCopiesItWithoutItsExcludedFlag) {
    designThreeRooms();
    ASSERT_TRUE(project->savebtClick());
    const qint32 kitchen = project->room_list[1].id;
    const RoomState source = stateOf(*project->room_list[1].room);
    ASSERT_TRUE(project->N90Click());
    EXPECT_TRUE(project->room_list.empty());

    NewRoomRequest request;
    project->CreatNewRoom(request);
    prompts.answerConfirm(true);
    ASSERT_TRUE(project->importRoom(kitchen));
    EXPECT_EQ(prompts.shown.last(), QStringLiteral("confirm:是否将[厨房]导入到当前设计客户中?"));
    ASSERT_EQ(project->room_list.size(), 2u);
    const TRoom_OBJ& imported = *project->room_list[1].room;
    RoomState state = stateOf(imported);
    EXPECT_EQ(state.excluded, 0);
    state.excluded = source.excluded;
    expectSame(state, source, "imported");
    EXPECT_EQ(imported.tool, 20);
    EXPECT_EQ(project->room_list[1].id, -1);
    EXPECT_TRUE(project->edited());
}

TEST_F(OpenProjectTest, OpeningAsksAboutAnEditedProjectAndLoadingKeepsTheEditedFlagOff) {
    designThreeRooms();
    ASSERT_TRUE(project->savebtClick());
    const qint32 id = project->customer.id;
    store->updateRoom([&] {
        RoomRecord r = *store->room(project->room_list[0].id);
        r.zoom = 10;
        return r;
    }());

    project->fieldChanged();
    prompts.answerThreeWay(Prompts::Cancel);
    EXPECT_FALSE(project->openproject(id));
    EXPECT_EQ(prompts.shown.last(), QStringLiteral("threeway:当前客户已修改,是否保存?"));
    EXPECT_TRUE(project->edited());

    prompts.answerThreeWay(Prompts::No);
    view->editedValues.clear();
    ASSERT_TRUE(project->openproject(id));
    for (bool value : view->editedValues) {
        EXPECT_FALSE(value) << "loading never reports the project edited";
    }
    EXPECT_EQ(project->room_list[0].room->zoom, 10) << "the status bar reads 100%";

    project->followRoom(project->room_list[0].room.get());
    EXPECT_FALSE(project->edited());
    project->room_list[0].room->roomModified = true;
    project->followRoom(project->room_list[0].room.get());
    EXPECT_TRUE(project->edited());

    prompts.answerThreeWay(Prompts::Yes);
    project->room_list[0].room->title = QStringLiteral("书房");
    ASSERT_TRUE(project->openproject(id));
    EXPECT_EQ(project->room_list[0].room->getName(), QStringLiteral("书房")) << "saved first";
}

TEST_F(OpenProjectTest, ListsShowOnlyTheCompanysCustomersAndNamesWithQuotesAreFound) {
    storeDb.exec(QStringLiteral("insert into arealist (title) values (?)"),
                 {QStringLiteral("O'Neil 花园")});
    CustomerRecord other;
    other.compid = 8;
    other.name = QStringLiteral("别家");
    store->insertCustomer(other);
    project->customer.name = QStringLiteral("自家");
    project->getareaID(QStringLiteral(" O'Neil 花园 "));
    EXPECT_GT(project->customer.areaId, 0);
    project->getworkerID(QStringLiteral("x' or '1'='1"));
    EXPECT_EQ(project->customer.worker, -1);
    ASSERT_TRUE(project->savebtClick());
    const std::vector<CustomerRecord> listed = store->customersOfCompany(7);
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0].name, QStringLiteral("自家"));
    EXPECT_EQ(listed[0].areaTitle, QStringLiteral("O'Neil 花园"));
}
