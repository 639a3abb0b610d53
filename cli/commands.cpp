// The subcommands: each one is the command of the program's windows that does the same
// work, run on the open project, the customer store or the maintenance of the session.

#include "commands.h"

#include "batch_session.h"
#include "invocation.h"
#include "platform/picture.h"
#include "quote/cutting_sheet.h"
#include "quote/cutting_text.h"
#include "quote/room_drawings.h"
#include "quote/setup_keys.h"
#include "scene/room_model_export.h"
#include "scene/scene_builder.h"
#include "store/customer_exchange.h"
#include "store/customer_list_model.h"
#include "view3d/offscreen_renderer.h"
#include "view3d/picture_export.h"
#include "view3d/room_picture.h"

#include <QDate>
#include <QDir>
#include <QTextStream>

namespace {

// A field of a tab-separated line: tabs and line breaks in user text become spaces.
QString field(QString text) {
    for (QChar& c : text) {
        if (c == u'\t' || c == u'\n' || c == u'\r') {
            c = u' ';
        }
    }
    return text;
}

qint32 customerId(const Invocation& run) {
    return run.arguments.first().toInt();
}

QString absolute(const QString& path) {
    return QDir::current().absoluteFilePath(path);
}

// The company's customers, newest first, as the browser lists them.
bool customers(const Invocation&, BatchSession& session, QTextStream& out) {
    CustomerQuery all;
    all.compid = session.company();
    CustomerListModel list;
    list.setRows(session.store().listCustomers(all));
    for (int row = 0; row < list.rowCount(); ++row) {
        out << list.idAt(row);
        for (const int column :
             {CustomerListModel::ProjectNumber, CustomerListModel::Name, CustomerListModel::Tele,
              CustomerListModel::Area, CustomerListModel::DesignDate, CustomerListModel::Price}) {
            out << u'\t' << field(list.text(row, column));
        }
        out << u'\n';
    }
    return true;
}

// "导出PDF报价单" into the file given, without opening it.
bool quote(const Invocation& run, BatchSession& session, QTextStream& out) {
    if (!session.open(customerId(run))) {
        return false;
    }
    if (!session.reports().pagesAvailable()) {
        session.prompts().message(QStringLiteral("没有可写出报价单的房间"));
        return false;
    }
    const QString file = session.reports().writePdf(ReportMode::Statistics, absolute(run.out),
                                                    noProgress(), run.cuttingList);
    if (!file.isEmpty()) {
        out << file << u'\n';
    }
    return !file.isEmpty();
}

// "导出" of the print menu into the folder given, without opening it. The current room
// is the one the program shows after opening the customer.
bool pages(const Invocation& run, BatchSession& session, QTextStream& out) {
    if (!session.open(customerId(run))) {
        return false;
    }
    const ReportMode modes[] = {ReportMode::CurrentRoom, ReportMode::DesignDrawings,
                                ReportMode::Statistics};
    Reports& reports = session.reports();
    const QString folder = absolute(run.out);
    reports.chooseExportFolder = [&folder](const QString&, const QString&) { return folder; };
    // The menu offers no page of a project without rooms, nor of a room without area.
    const QString page = reports.pagesAvailable()
                             ? reports.exportPage(modes[run.mode - 1], session.shownRoom())
                             : QString();
    if (page.isEmpty()) {
        if (session.prompts().messages.isEmpty()) {
            session.prompts().message(QStringLiteral("没有可写出网页的房间"));
        }
        return false;
    }
    out << page << u'\n';
    return true;
}

// "导出统计表" of the project's statistics table into the file given.
bool statistics(const Invocation& run, BatchSession& session, QTextStream& out) {
    if (!session.open(customerId(run))) {
        return false;
    }
    session.prompts().savePath = absolute(run.out);
    const QString file = session.reports().sButton3Click(nullptr);
    if (!file.isEmpty()) {
        out << file << u'\n';
    }
    return !file.isEmpty();
}

// "下料单" as tab-separated text, into the file given or onto the output.
bool cutting(const Invocation& run, BatchSession& session, QTextStream& out) {
    if (!session.open(customerId(run))) {
        return false;
    }
    const CuttingSheet sheet =
        makeCuttingSheet(session.project().room_list, session.project().cuttingStock,
                         session.startup().held().sawKerf);
    if (run.out.isEmpty()) {
        out << cuttingSheetText(sheet);
        return true;
    }
    const QString file = absolute(run.out);
    if (!writeCuttingSheet(file, sheet, session.prompts())) {
        return false;
    }
    out << file << u'\n';
    return true;
}

// The browser's "导出客户项目".
bool exportFile(const Invocation& run, BatchSession& session, QTextStream& out) {
    const qint32 id = customerId(run);
    const QString file = absolute(run.arguments.at(1));
    if (!session.companyCustomer(id) ||
        !customer_exchange::exportCustomer(session.store(), id, file, session.prompts())) {
        return false;
    }
    out << file << u'\n';
    return true;
}

// The browser's "导入客户项目": the new customer's id.
bool importFile(const Invocation& run, BatchSession& session, QTextStream& out) {
    const std::optional<qint32> id = customer_exchange::importCustomer(
        session.store(), session.company(), absolute(run.arguments.first()), session.prompts());
    if (id) {
        out << *id << u'\n';
    }
    return id.has_value();
}

// "备份数据库" into the folder given; the date of the last backup is kept as the
// backup window keeps it, so that the reminder at exit counts this one.
bool backup(const Invocation& run, BatchSession& session, QTextStream& out) {
    const QString folder = absolute(run.arguments.first());
    session.prompts().confirmed = run.replace;
    if (!session.maintenance().backup(folder, session.progress())) {
        // Every other failure says why; the question whether to replace a backup is
        // declined on the command line unless --replace answered it.
        if (session.prompts().messages.isEmpty()) {
            session.prompts().message(
                QStringLiteral("文件夹中已有备份,没有替换(用 --replace 替换): ") + folder);
        }
        return false;
    }
    session.startup().setup().write(setup::backup, QDate::currentDate());
    out << folder << u'\n';
    return true;
}

// "导出全部房间DXF", or "导出DXF图纸" of the room given, into the folder given.
bool dxf(const Invocation& run, BatchSession& session, QTextStream& out) {
    if (!session.open(customerId(run))) {
        return false;
    }
    std::vector<TRoom_OBJ*> rooms;
    for (const RoomEntry& entry : session.project().room_list) {
        rooms.push_back(entry.room.get());
    }
    if (run.room > int(rooms.size())) {
        session.prompts().message(QStringLiteral("没有第%1个房间").arg(run.room));
        return false;
    }
    if (run.room > 0) {
        rooms = {rooms[std::size_t(run.room - 1)]};
    }
    const QStringList files = room_drawings::write(session.project().customer.name, rooms,
                                                   absolute(run.out), session.prompts());
    for (const QString& file : files) {
        out << file << u'\n';
    }
    return !files.isEmpty();
}

// Opens the customer and gives the place in the project of the room given by --room (from
// 1), else of the room shown after opening; none, after saying why, when the customer
// cannot be opened or has no such room.
std::optional<int> openChosenRoom(const Invocation& run, BatchSession& session) {
    if (!session.open(customerId(run))) {
        return std::nullopt;
    }
    OpenProject& project = session.project();
    const int index = run.room > 0 ? run.room - 1 : project.indexOf(session.shownRoom());
    if (index < 0 || index >= int(project.room_list.size())) {
        session.prompts().message(QStringLiteral("没有第%1个房间").arg(run.room));
        return std::nullopt;
    }
    return index;
}

// "导出3D模型(glTF)" of the room given (else the one shown after opening) into the file.
bool gltf(const Invocation& run, BatchSession& session, QTextStream& out) {
    const std::optional<int> index = openChosenRoom(run, session);
    if (!index) {
        return false;
    }
    OpenProject& project = session.project();
    const QString file = absolute(run.out);
    if (!writeRoomModel(*project.room_list[std::size_t(*index)].room, project.ceilingHeight(*index),
                        file, session.prompts())) {
        return false;
    }
    out << file << u'\n';
    return true;
}

// "导出3D效果图" of the room given (else the one shown after opening) seen from "室内仰视",
// 1600 x 1000, into the JPEG file. It needs OpenGL, so a display (Xvfb serves).
bool render3d(const Invocation& run, BatchSession& session, QTextStream& out) {
    const std::optional<int> index = openChosenRoom(run, session);
    if (!index) {
        return false;
    }
    OpenProject& project = session.project();
    TRoom_OBJ& room = *project.room_list[std::size_t(*index)].room;
    if (!outlineClosed(room)) {
        session.prompts().message(openOutlineMessage());
        return false;
    }
    const std::unique_ptr<OffscreenRenderer> renderer = OffscreenRenderer::create();
    if (!renderer) {
        session.prompts().message(noOpenGlMessage());
        return false;
    }
    const QImage picture = roomPicture3D(*renderer, room, project.ceilingHeight(*index),
                                         CameraPreset::StandingInside, PictureSize3D);
    const QString file = absolute(run.out);
    if (picture.isNull() || !picture::saveJpeg(picture, file)) {
        session.prompts().message(QStringLiteral("无法写入文件：") + file);
        return false;
    }
    out << file << u'\n';
    return true;
}

} // namespace

bool runCommand(const Invocation& run, BatchSession& session, QTextStream& out) {
    using Command = bool (*)(const Invocation&, BatchSession&, QTextStream&);
    const std::pair<const char*, Command> commands[] = {{"customers", customers},
                                                        {"quote", quote},
                                                        {"pages", pages},
                                                        {"statistics", statistics},
                                                        {"cutting", cutting},
                                                        {"export", exportFile},
                                                        {"import", importFile},
                                                        {"backup", backup},
                                                        {"dxf", dxf},
                                                        {"gltf", gltf},
                                                        {"render3d", render3d}};
    for (const auto& [name, command] : commands) {
        if (run.command == QLatin1String(name)) {
            return command(run, session, out);
        }
    }
    return false;
}
