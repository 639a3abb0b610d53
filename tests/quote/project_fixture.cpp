#include "project_fixture.h"

#include "catalogue/program_data.h"
#include "library/product_library.h"
#include "store/store_schema.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>

namespace {

// The demo library is built once per test run and copied into every test's folder.
const QString& builtLibrary() {
    static TempFolder folder;
    static const QString path = [] {
        program_data::build(folder.path());
        return program_data::libraryPath(folder.path());
    }();
    return path;
}

} // namespace

RoomContext RecordingView::roomContext() {
    RoomContext context;
    context.library = &library_;
    context.prompts = &prompts_;
    return context;
}

void RecordingView::roomAdded(int index, TRoom_OBJ& room) {
    EXPECT_EQ(index, tabs.size());
    tabs.append(room.getName());
}

void RecordingView::roomRemoving(int index) {
    tabs.removeAt(index);
}

void RecordingView::roomRetitled(int index, const QString& title) {
    tabs[index] = title;
}

void RecordingView::progress(int value, int maximum) {
    progressShown = progressShown || maximum > 0;
    progressValue = value;
    if (maximum > 0) {
        progressMaximum = maximum;
    }
}

ProjectTest::ProjectTest() {
    QDir().mkpath(home.file(QStringLiteral("数据文件")));
    const QString libraryFile = program_data::libraryPath(home.path());
    QFile::copy(builtLibrary(), libraryFile);
    EXPECT_TRUE(library.open(libraryFile));
    const QString storeFile = program_data::storePath(home.path());
    EXPECT_TRUE(storeDb.create(storeFile));
    createStoreSchema(storeDb);
    setup = std::make_unique<SetupFile>(home.file(QStringLiteral("setup.ini")));
    held.company.compid = 7;
    held.numbering.prefix = QStringLiteral("HT");
    held.numbering.index = 12;
    held.numbering.digits = 4;
    held.project.minCoverage = 5;
    store = std::make_unique<CustomerStore>(storeDb);
    view = std::make_unique<RecordingView>(library, prompts);
    project = std::make_unique<OpenProject>(*store, held, *setup, prompts, *view);
}

std::unique_ptr<OpenProject> ProjectTest::reopen(RecordingView& other) {
    return std::make_unique<OpenProject>(*store, held, *setup, prompts, other);
}

int ProjectTest::productOf(int kind, int width, int height) {
    const QVariant id = library.scalar(
        QStringLiteral("select id from pic where style = ? and width = ? and height = ? "
                       "order by id limit 1"),
        {kind, width, height});
    EXPECT_TRUE(id.isValid()) << "no product of kind " << kind;
    return id.toInt();
}

int ProjectTest::rows(const QString& table) {
    return storeDb.scalar(QStringLiteral("select count(*) from ") + table).toInt();
}

TRoom_OBJ& ProjectTest::addTiledRoom(int i, int panel) {
    TRoom_OBJ& room = project->CreatNewRoom({});
    drawRectangle(room, 300 + 30 * (i % 5), 240);
    room.currentProduct = {panel, KindSquarePanel, 0};
    room.wholeAndPatternFill(0, 0);
    return room;
}

void drawRectangle(TRoom_OBJ& room, int width, int height) {
    room.makeRectangle(width, height);
    room.editMode = EditDesign;
    room.setTool(FirstDesignTool);
    room.roomModified = true;
}

Ppdu_id billLine(qint32 id, qint32 category, double number, double price) {
    Ppdu_id l;
    l.title = QStringLiteral("产品%1").arg(id);
    l.id = id;
    l.cailiao_id = category;
    l.price = price;
    l.number = number;
    l.width = 300;
    l.height = 600;
    l.danwei = QStringLiteral("块");
    return l;
}
