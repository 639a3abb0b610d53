// The subcommands: each one is the command of the program's windows that does the same
// work, run on the open project, the customer store or the maintenance of the session.

#include "commands.h"

#include "batch_session.h"
#include "invocation.h"
#include "quote/cutting_sheet.h"
#include "quote/cutting_text.h"
#include "quote/setup_keys.h"
#include "store/customer_exchange.h"
#include "store/customer_list_model.h"

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
    const QString file = session.reports().writePdf(ReportMode::Statistics, absolute(run.out));
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
    if (!session.maintenance().backup(folder)) {
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

} // namespace

bool runCommand(const Invocation& run, BatchSession& session, QTextStream& out) {
    using Command = bool (*)(const Invocation&, BatchSession&, QTextStream&);
    const std::pair<const char*, Command> commands[] = {
        {"customers", customers},   {"quote", quote},     {"pages", pages},
        {"statistics", statistics}, {"cutting", cutting}, {"export", exportFile},
        {"import", importFile},     {"backup", backup}};
    for (const auto& [name, command] : commands) {
        if (run.command == QLatin1String(name)) {
            return command(run, session, out);
        }
    }
    return false;
}
