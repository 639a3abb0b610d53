#include "project_fixture.h"
#include "support/v5_file_writer.h"

#include "core/ppdu_id.h"
#include "core/tdianqi_rec.h"
#include "library/product_library.h"
#include "quote/legacy_import.h"
#include "support/stopping_progress.h"

#include <QFile>

namespace {

// V5 ids are the current ids moved by this much in the old library.
constexpr int OldIdShift = 70000;
constexpr int OldOnlyId = 99001; // a product the current library does not have
constexpr int QuotedId = 99002;  // in both libraries, its name holding a quote

class LegacyImportTest : public ProjectTest {
protected:
    LegacyImportTest() {
        oldPath = home.file(QStringLiteral("旧版/DB.data"));
        QDir().mkpath(home.file(QStringLiteral("旧版")));
        QFile::copy(library.path(), oldPath);
        Database old;
        EXPECT_TRUE(old.open(oldPath));
        old.exec(QStringLiteral("update pic set id = id + ?, price = price + 1000"), {OldIdShift});
        addProduct(old, OldOnlyId, QStringLiteral("旧款'面板"));
        addProduct(old, QuotedId, QStringLiteral("新款'灯"));
        addProduct(library, 123456, QStringLiteral("新款'灯"));
        panelA = productOf(KindSquarePanel, 300, 300);
        panelB = library
                     .scalar(QStringLiteral("select id from pic where style=0 and id<>? "
                                            "order by id limit 1"),
                             {panelA})
                     .toInt();
        appliance = productOf(KindAppliance, 300, 300);
        // An unsaved room that a refused import must leave alone.
        NewRoomRequest request;
        request.name = QStringLiteral("客厅");
        project->CreatNewRoom(request);
        project->customer.name = QStringLiteral("李四");
    }

    void addProduct(Database& db, int id, const QString& title) {
        db.exec(QStringLiteral("insert into pic (id, xinghao_id, title, style, width, height, "
                               "price, danwei) values (?, (select min(id) from xinghao), ?, 2, "
                               "300, 300, 55, '个')"),
                {id, title});
    }

    // Runs the command on `file` with the old library path stored; `saveAnswer` answers
    // the save question of an edited project.
    bool runImport(const QByteArray& bytes, const QString& libraryPath = {},
                   std::optional<Prompts::ThreeWay> saveAnswer = {},
                   WorkProgress& progress = noProgress()) {
        setup->write(setup::v5dbpath, libraryPath.isEmpty() ? oldPath : libraryPath);
        const QString path = home.file(QStringLiteral("旧设计.dsn"));
        QFile out(path);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        out.close();
        prompts.answerPath(path);
        if (saveAnswer) {
            prompts.answerThreeWay(*saveAnswer);
        }
        return LegacyImport({*project, *view, library, *setup, held, prompts}).run(progress);
    }

    // A room of 1800 x 1800 cm with its corners scaled by 1.5.
    V5File squareRoom() {
        V5File f;
        f.scale = 1.5;
        f.offsetX = 4; // 6 cm
        f.offsetY = 3; // 4.5 cm, 4 after rounding
        f.corners = {{70, 70}, {1270, 70}, {1270, 1270}, {70, 1270}};
        return f;
    }

    TRoom_OBJ& imported() { return *project->room_list.at(0).room; }

    QString oldPath;
    int panelA = 0;
    int panelB = 0;
    int appliance = 0;
};

TEST_F(LegacyImportTest, RefusedFilesLeaveTheOpenProjectAsItWas) {
    V5File many = squareRoom();
    many.otherItems.assign(102, {panelA + OldIdShift, 1});
    const QByteArray good = squareRoom().bytes();
    QByteArray unsigned_ = good;
    unsigned_[0] = 'T';
    QByteArray hugeCount = good;
    // N objects right after the grid: a count far beyond the bytes left.
    const qsizetype objectsAt = 22 + 16 + 3 + 1 + 8 + 16 + 8 + 8 + 220 * 220 * 8;
    hugeCount[objectsAt + 3] = 0x40;
    struct Case {
        const char* what;
        QByteArray bytes;
        QString message; // empty: none
    };
    const Case cases[] = {
        {"no signature", unsigned_, {}},
        {"cut in the grid", good.left(200000), QStringLiteral("V5设计文件已损坏:旧设计.dsn")},
        {"cut in the bill lines", good.left(good.size() - 3),
         QStringLiteral("V5设计文件已损坏:旧设计.dsn")},
        {"object count", hugeCount, QStringLiteral("V5设计文件已损坏:旧设计.dsn")},
        {"102 items", many.bytes(),
         QStringLiteral("旧设计.dsn中的非显示产品或产品清单超过101项,无法导入")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        prompts.shown.clear();
        EXPECT_FALSE(runImport(c.bytes));
        EXPECT_EQ(prompts.messages(), c.message.isEmpty() ? QStringList() : QStringList{c.message});
        ASSERT_EQ(project->room_list.size(), 1u);
        EXPECT_EQ(project->room_list[0].room->getName(), QStringLiteral("客厅"));
        EXPECT_EQ(project->customer.name, QStringLiteral("李四"));
    }
    // Stopped at any lookup in the old library, the import leaves the project as it was.
    V5File named = squareRoom();
    named.otherItems = {{QuotedId, 2}, {OldOnlyId, 1}};
    named.billLines = {{panelA + OldIdShift, 88.5}, {appliance + OldIdShift, 120}};
    for (int step = 0; step < 4; ++step) {
        SCOPED_TRACE(step);
        prompts.shown.clear();
        StoppingProgress stopping(step);
        EXPECT_FALSE(runImport(named.bytes(), {}, {}, stopping));
        EXPECT_EQ(stopping.reported.size(), step + 1);
        EXPECT_TRUE(prompts.messages().isEmpty());
        ASSERT_EQ(project->room_list.size(), 1u);
        EXPECT_EQ(project->room_list[0].room->getName(), QStringLiteral("客厅"));
        EXPECT_EQ(project->customer.name, QStringLiteral("李四"));
    }
    // A good file over an edited project: "取消" at the save question keeps the project.
    project->fieldChanged();
    prompts.shown.clear();
    EXPECT_FALSE(runImport(good, {}, Prompts::Cancel));
    EXPECT_TRUE(prompts.shown.contains(QStringLiteral("threeway:当前客户李四已修改,是否保存?")));
    EXPECT_EQ(project->room_list[0].room->getName(), QStringLiteral("客厅"));
}

TEST_F(LegacyImportTest, TheOldLibraryIsAskedForOnceAndThenReused) {
    LegacyImport command({*project, *view, library, *setup, held, prompts});
    prompts.answerPath(oldPath);
    EXPECT_EQ(command.oldLibraryPath(), oldPath);
    EXPECT_EQ(setup->read(setup::v5dbpath), oldPath);
    EXPECT_EQ(prompts.shown,
              (QStringList{
                  QStringLiteral("message:请选择V5版数据库所在路径"),
                  QStringLiteral("open:请选择V5数据库文件,默认文件名为db.data|V5数据库|DB.data")}));

    prompts.shown.clear();
    EXPECT_EQ(command.oldLibraryPath(), oldPath);
    EXPECT_TRUE(prompts.shown.isEmpty());

    // A stored path whose file has gone is asked again; cancelling keeps it.
    setup->write(setup::v5dbpath, home.file(QStringLiteral("gone.data")));
    prompts.answerCancel();
    EXPECT_EQ(command.oldLibraryPath(), QString());
    EXPECT_EQ(setup->read(setup::v5dbpath), home.file(QStringLiteral("gone.data")));

    // A stored file that is no database is reported and forgotten; the project stays.
    const QString notDatabase = home.file(QStringLiteral("setup.ini"));
    prompts.shown.clear();
    EXPECT_FALSE(runImport(squareRoom().bytes(), notDatabase));
    EXPECT_EQ(prompts.messages(), QStringList{QStringLiteral("V5数据库无法打开:") + notDatabase});
    EXPECT_EQ(setup->read(setup::v5dbpath), QString());
    EXPECT_EQ(project->room_list.at(0).room->getName(), QStringLiteral("客厅"));
}

TEST_F(LegacyImportTest, ProductsAreMappedByNameThroughTheOldLibrary) {
    V5File f = squareRoom();
    const int oldA = panelA + OldIdShift;
    const int oldB = panelB + OldIdShift;
    f.cells[{5, 5}] = {oldA, 2};
    f.cells[{6, 5}] = {oldB, 0}; // not among the bill lines
    f.cells[{1, 7}] = {oldA, 0}; // column 1 and row 1 keep their ids
    f.cells[{7, 1}] = {oldA, 0};
    f.cells[{8, 8}] = {OldOnlyId, 0}; // its name is not in the current library
    f.objects = {{40, 60, appliance + OldIdShift, 1}};
    f.amount = 4321;
    f.otherItems = {{OldOnlyId, 3}, {QuotedId, 2}, {12345678, 1}};
    f.billLines = {{oldA, 88.5}, {OldOnlyId, 9}, {appliance + OldIdShift, 120}};
    prompts.shown.clear();
    ASSERT_TRUE(runImport(f.bytes()));

    ASSERT_EQ(project->room_list.size(), 1u);
    TRoom_OBJ& room = imported();
    EXPECT_EQ(room.getName(), QStringLiteral("V5房间"));
    EXPECT_EQ(room.cell(5, 5), panelA);
    EXPECT_EQ(room.cellAttribute(5, 5), 2);
    EXPECT_EQ(room.cell(6, 5), oldB);
    EXPECT_EQ(room.cell(1, 7), oldA);
    EXPECT_EQ(room.cell(7, 1), oldA);
    EXPECT_EQ(room.cell(8, 8), -1);
    ASSERT_EQ(room.objects.size(), 1u);
    EXPECT_EQ(room.objects[0]->id, appliance);
    EXPECT_EQ(room.editMode, EditDesign);
    EXPECT_EQ(room.tool, DesignViewTool);
    EXPECT_TRUE(room.stripFreeMode);

    // One message per missing name: the non-display item and the bill line.
    EXPECT_EQ(prompts.messages(), (QStringList{QStringLiteral("[旧款'面板]没找到"),
                                               QStringLiteral("[旧款'面板]没找到")}));
    ASSERT_EQ(project->other_list.size(), 1);
    const otherrec& item = project->other_list[0];
    EXPECT_EQ(item.id, 123456);
    EXPECT_EQ(item.title, QStringLiteral("新款'灯"));
    EXPECT_EQ(item.number, 2);
    EXPECT_EQ(item.price, 55);
    EXPECT_EQ(item.danwei, QStringLiteral("个"));
    ASSERT_EQ(project->price_list.size(), 2);
    EXPECT_EQ(project->price_list[0].id, panelA);
    EXPECT_EQ(project->price_list[0].price, 88.5);
    EXPECT_EQ(project->price_list[0].number, 1);
    EXPECT_EQ(project->price_list[1].id, appliance);

    const CustomerRecord& c = project->customer;
    EXPECT_EQ(c.id, -1);
    EXPECT_EQ(c.name, QStringLiteral("王先生"));
    EXPECT_EQ(c.tele, QStringLiteral("0571-8888"));
    EXPECT_TRUE(c.sex);
    EXPECT_EQ(c.price, 4321);
    EXPECT_TRUE(c.locked);
    EXPECT_EQ(c.designdate.date(), QDate(2008, 5, 12));
    EXPECT_FALSE(c.workdate.isValid());
    EXPECT_EQ(c.enddate.date(), QDate(2008, 6, 1));
    EXPECT_EQ(c.memo, QStringLiteral("厨房"));
    EXPECT_EQ(c.installationFee, 0);
    EXPECT_EQ(c.autoShoubian, 1);
    EXPECT_FALSE(project->edgeTrimReady);
    EXPECT_FALSE(project->edited());
}

TEST_F(LegacyImportTest, CoordinatesAreScaledAndRoundedHalvesToEven) {
    V5File f = squareRoom();
    f.cellWidth = 25; // styles 0 and 5 take the file's cell size
    f.cellHeight = 300;
    f.shiftX = 5; // 7.5 -> 8
    f.shiftY = 7; // 10.5 -> 10
    // a x 25 / 10 = 2.5 a: 101 -> 252.5 -> 252; b x 300 / 10 = 30 b.
    f.objects = {{101, 20, appliance + OldIdShift, 0}, {103, 21, appliance + OldIdShift, 0}};
    f.corners = {{71, 71}, {1271, 73}, {1270, 1269}, {69, 1270}};
    ASSERT_TRUE(runImport(f.bytes()));
    TRoom_OBJ& room = imported();
    EXPECT_EQ(room.columnWidth(3), 25);
    EXPECT_EQ(room.rowHeight(3), 300);
    EXPECT_EQ(room.cell(0, 0), 300);
    ASSERT_EQ(room.objects.size(), 2u);
    // offset X 4 x 1.5 = 6, offset Y 3 x 1.5 = 4.5 -> 4.
    EXPECT_EQ(room.objects[0]->x, 252 + 8 - 6);
    EXPECT_EQ(room.objects[0]->y, 600 + 10 - 4);
    EXPECT_EQ(room.objects[1]->x, 258 + 8 - 6); // 257.5 -> 258
    EXPECT_EQ(room.objects[1]->y, 630 + 10 - 4);
    // 71 x 1.5 = 106.5 -> 106, 73 x 1.5 = 109.5 -> 110, 1269 x 1.5 = 1903.5 -> 1904.
    EXPECT_EQ(
        room.wall.corners(),
        (QList<QPoint>{
            {106 - 6, 106 - 4}, {1906 - 6, 110 - 4}, {1905 - 6, 1904 - 4}, {104 - 6, 1905 - 4}}));
}

TEST_F(LegacyImportTest, TheImportedRoomStartsItsHistoryWithTheImport) {
    ASSERT_TRUE(runImport(squareRoom().bytes()));
    TRoom_OBJ& room = imported();
    const QList<QPoint> read = room.wall.corners();
    EXPECT_FALSE(room.canUndo);
    room.makeRectangle(500, 400);
    room.undo();
    EXPECT_EQ(room.wall.corners(), read);
    EXPECT_FALSE(room.canUndo);
}

TEST_F(LegacyImportTest, StripRoomsKeepOneStripPerLine) {
    const int strip150 = productOf(KindStrip, 600, 150);
    const int strip200 = productOf(KindStrip, 600, 200);
    struct Case {
        quint8 style;
        int mode;
        int cell;
    };
    for (const Case& c : {Case{2, StripsAlongColumns, 50}, Case{4, StripsAlongColumns, 25},
                          Case{3, StripsAlongRows, 25}, Case{6, StripsAlongRows, 20}}) {
        SCOPED_TRACE(c.style);
        const bool columns = c.mode == StripsAlongColumns;
        V5File f = squareRoom();
        f.style = c.style;
        const auto line = [&](int i, int first, int last, qint32 id) {
            columns ? f.fillColumn(i, first, last, id) : f.fillRow(i, first, last, id);
        };
        line(2, 1, 220, strip150 + OldIdShift); // a strip over the whole line
        line(3, 3, 220, -1);                    // an empty line
        line(4, 3, 220, -(4 * 1001 + 3));       // covered cells only: dropped
        line(5, 1, 2, strip150 + OldIdShift);   // only rows 1 and 2: not searched
        line(5, 3, 150, -1);
        line(5, 151, 220, strip200 + OldIdShift);
        f.billLines = {{strip150 + OldIdShift, 30}, {strip200 + OldIdShift, 40}};
        ASSERT_TRUE(runImport(f.bytes()));
        TRoom_OBJ& room = imported();
        EXPECT_EQ(room.roomstyle, c.mode);
        const auto entry = [&](int j) { return columns ? room.cell(j, 1) : room.cell(1, j); };
        const auto attribute = [&](int j) {
            return columns ? room.cellAttribute(j, 1) : room.cellAttribute(1, j);
        };
        const auto size = [&](int j) { return columns ? room.columnWidth(j) : room.rowHeight(j); };
        // Lines 2, 3 and 5 become strips 2, 3 and 4.
        EXPECT_EQ(entry(2), strip150);
        EXPECT_EQ(size(2), 150);
        EXPECT_EQ(entry(3), -1);
        EXPECT_EQ(size(3), c.cell);
        EXPECT_EQ(entry(4), strip200);
        EXPECT_EQ(size(4), 200);
        EXPECT_EQ(attribute(4), columns ? 2 : 1);
        EXPECT_EQ(entry(5), -1); // line 6 on is empty
        EXPECT_EQ(size(5), c.cell);
    }
}

// The fuzz target's seeds are files of this writer; YZ_WRITE_FUZZ_SEEDS=1 writes them again.
TEST_F(LegacyImportTest, FuzzSeedsAreWriterFiles) {
    V5File strips = squareRoom();
    strips.style = 7;
    strips.fillColumn(2, 1, 220, 5);
    strips.fillColumn(3, 3, 220, -(2 * 1001 + 3));
    strips.objects = {{10, 10, 3, 1}};
    strips.otherItems = {{5, 2}};
    strips.billLines = {{5, 12.5}};
    V5File panels = squareRoom();
    panels.cells[{4, 4}] = {9, 1};
    const std::pair<const char*, QByteArray> seeds[] = {{"strip_columns", strips.bytes()},
                                                        {"square_panels", panels.bytes()}};
    const QString folder = QStringLiteral(YZ_SOURCE_DIR "/fuzz/corpus/v5_design/");
    for (const auto& [name, bytes] : seeds) {
        QFile file(folder + QString::fromLatin1(name));
        if (qEnvironmentVariableIntValue("YZ_WRITE_FUZZ_SEEDS") == 1) {
            QDir().mkpath(folder);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(bytes);
            file.close();
        }
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        EXPECT_TRUE(file.readAll() == bytes) << name;
    }
}

} // namespace
