#include "cli_fixture.h"

#include "catalogue/program_data.h"
#include "core/troom_obj.h"
#include "platform/cautious_prompts.h"
#include "platform/program_folder.h"
#include "quote/bill_of_materials.h"
#include "quote/no_window.h"
#include "quote/open_project.h"
#include "quote/setup_keys.h"

#include <QProcess>

namespace {

// The delivered data is built once per test run and copied into every test's folder.
const QString& builtFolder() {
    static TempFolder folder;
    static const bool built = [] {
        program_data::build(folder.path());
        return true;
    }();
    Q_UNUSED(built);
    return folder.path();
}

} // namespace

CliTest::CliTest() {
    EXPECT_TRUE(program_folder::copyTree(builtFolder(), home.path()));
    SetupFile(home.file(QStringLiteral("setup.ini"))).write(setup::compid, int(Company));
    EXPECT_TRUE(storeDb.open(program_data::storePath(home.path())));
    store = std::make_unique<CustomerStore>(storeDb);
}

CliResult CliTest::run(const QStringList& arguments, bool keepDisplay) const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name :
         {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "XDG_DATA_HOME", "XDG_CONFIG_HOME"}) {
        if (!keepDisplay || qstrcmp(name, "DISPLAY") != 0) {
            environment.remove(QString::fromLatin1(name));
        }
    }
    environment.insert(QStringLiteral("HOME"), home.path());
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(YZ_CLI_PATH),
                  QStringList{QStringLiteral("--home"), home.path()} + arguments);
    EXPECT_TRUE(process.waitForFinished(120000)) << arguments.join(u' ').toStdString();
    CliResult result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.errorLines =
        QString::fromUtf8(process.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts);
    return result;
}

qint32 CliTest::addCustomer(qint32 compid, const QString& name, const QDate& designDate,
                            double price) {
    CustomerRecord c;
    c.compid = compid;
    c.name = name;
    c.proid = QStringLiteral("HT%1").arg(name.size());
    c.tele = QStringLiteral("0571-%1").arg(name.size() * 11);
    c.designdate = QDateTime(designDate, QTime(0, 0));
    c.price = price;
    return store->insertCustomer(c);
}

qint32 CliTest::addDesignedCustomer(const QString& name, const QStringList& rooms, int roomMode) {
    Database library;
    EXPECT_TRUE(library.open(program_data::libraryPath(home.path())));
    SetupFile setup(home.file(QStringLiteral("setup.ini")));
    HeldSettings held;
    held.readStartGroup(setup);
    CautiousPrompts prompts;
    NoWindow view(library, &prompts);
    OpenProject project(*store, held, setup, prompts, view);
    BillOfMaterials bill(project, library, prompts, view);
    project.customer.name = name;
    const int kind = roomMode == SquarePanelRoom ? 0 : 1;
    const qint32 panel =
        library
            .scalar(QStringLiteral("select id from pic where style = ? order by id limit 1"),
                    {kind})
            .toInt();
    for (int i = 0; i < rooms.size(); ++i) {
        NewRoomRequest request;
        request.name = rooms[i];
        request.roomMode = roomMode;
        TRoom_OBJ& room = project.CreatNewRoom(request);
        room.makeRectangle(300 + 60 * i, 240);
        room.editMode = EditDesign;
        room.setTool(FirstDesignTool);
        room.currentProduct = {panel, kind, 0};
        room.wholeAndPatternFill(0, 0);
        room.recount();
        room.roomModified = true;
    }
    EXPECT_TRUE(project.savebtClick()) << prompts.messages.join(u' ').toStdString();
    return project.customer.id;
}
