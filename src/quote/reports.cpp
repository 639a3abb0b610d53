#include "quote/reports.h"

#include "core/ppdu_id.h"
#include "core/troom_obj.h"
#include "design/room_statistics.h"
#include "library/product_library.h"
#include "platform/default_opener.h"
#include "platform/prompts.h"
#include "quote/bill_of_materials.h"
#include "quote/export_folder.h"
#include "quote/held_settings.h"
#include "quote/html_text.h"
#include "quote/open_project.h"
#include "quote/report_files.h"

#include <QDir>

Reports::Reports(ReportSources sources) : s_(std::move(sources)) {}

QString Reports::printFolder() const {
    return QDir(s_.programFolder).filePath(QStringLiteral("tmp"));
}

bool Reports::pagesAvailable() const {
    return !s_.project.room_list.empty();
}

QString Reports::print(ReportMode mode, TRoom_OBJ* active, WorkProgress& progress) {
    const QString page = writePage(mode, active, printFolder(), progress);
    if (!page.isEmpty()) {
        openOrTell(page);
    }
    return page;
}

void Reports::openOrTell(const QString& path) {
    if (!opener::openWithDefaultHandler(path)) {
        s_.prompts.message(QStringLiteral("已写入：") + QDir::toNativeSeparators(path) +
                           QStringLiteral("\n没有找到可以打开它的程序。"));
    }
}

bool Reports::pageAvailable(ReportMode mode, TRoom_OBJ* active) {
    return mode != ReportMode::CurrentRoom || (active && active->roomArea() > 0);
}

QString Reports::exportPage(ReportMode mode, TRoom_OBJ* active, WorkProgress& progress) {
    if (!pageAvailable(mode, active) || !chooseExportFolder) {
        return {};
    }
    const QString folder =
        chooseExportFolder(QDir(s_.programFolder).filePath(QStringLiteral("导出文件")),
                           export_folder::proposal(s_.project.customer));
    if (folder.isEmpty()) {
        return {};
    }
    const QString page = writePage(mode, active, folder, progress);
    if (!page.isEmpty()) {
        openOrTell(folder);
    }
    return page;
}

ReportHeader Reports::header(ReportMode mode, bool paper) const {
    return {s_.project.customer,
            readDealerDetails(s_.setup),
            s_.held.company.url,
            s_.held.company.compid,
            mode,
            paper};
}

QString Reports::pageName(ReportMode mode, TRoom_OBJ* active) const {
    const QString& name = s_.project.customer.name;
    switch (mode) {
    case ReportMode::CurrentRoom:
        return report_files::currentRoomPageName(s_.project.indexOf(active), active->getName());
    case ReportMode::DesignDrawings:
        return report_files::drawingsPageName(name);
    case ReportMode::Statistics:
        break;
    }
    return report_files::statisticsPageName(name);
}

int Reports::progressSteps(ReportMode mode) const {
    return (mode == ReportMode::DesignDrawings ? int(s_.project.room_list.size())
            : mode == ReportMode::CurrentRoom  ? 1
                                               : 0) +
           1;
}

std::optional<Reports::ComposedPage> Reports::composePage(ReportMode mode, TRoom_OBJ* active,
                                                          const QString& folder, bool paper,
                                                          ProgressScope& progress) {
    if (!pageAvailable(mode, active) ||
        !report_files::prepareFolder(folder, s_.programFolder, s_.prompts)) {
        return std::nullopt;
    }
    s_.bill.total();
    ProductLibrary library(s_.library);
    ReportHeader head = header(mode, paper);
    head.logo = report_files::hasLogo(folder);
    ReportWriter page(std::move(head), library);
    page.readbaseinfor();
    bool written = true;
    if (mode == ReportMode::CurrentRoom) {
        written = currentRoomPage(page, *active, folder);
    } else if (mode == ReportMode::DesignDrawings) {
        written = drawingsPage(page, folder, paper, progress);
    } else {
        statisticsPage(page);
    }
    if (!written) {
        return std::nullopt;
    }
    page.foot();
    return ComposedPage{page.html(), page.sheet()};
}

QString Reports::writePage(ReportMode mode, TRoom_OBJ* active, const QString& folder,
                           WorkProgress& progress) {
    ProgressScope scope(progress, QStringLiteral("正在生成网页..."), progressSteps(mode), true);
    const std::optional<ComposedPage> page = composePage(mode, active, folder, false, scope);
    if (!page) {
        return {};
    }
    const QString path = QDir(folder).filePath(pageName(mode, active));
    if (!report_files::writeWhole(path, html::encodeGb2312(page->html), s_.prompts)) {
        return {};
    }
    scope.advance(progressSteps(mode));
    return path;
}

// Accessory rows have no product: their prices are the project's parameters.
void Reports::projectTable(ReportWriter& page) {
    const CustomerRecord& c = s_.project.customer;
    page.readproceduretoprint(reportLines(s_.bill.table().rows()), [&](const ReportLine& line) {
        switch (line.tag) {
        case -2:
            return c.keelPrice;
        case -3:
            return c.triangleKeelPrice;
        case -6:
            return c.installationFee;
        case -7:
            return c.shoubianPrice;
        default:
            return line.tag >= 0 ? s_.bill.GetIDprice_list(line.tag).value_or(0) : 0.0;
        }
    });
}

// A product of a room that is not in the project's bill (the room is excluded from the
// statistics) is priced as the room counted it.
void Reports::roomTable(ReportWriter& page, TRoom_OBJ& room) {
    page.readproceduretoprint(reportLines(statisticsRows(room)), [&](const ReportLine& line) {
        if (const std::optional<double> price = s_.bill.GetIDprice_list(line.tag)) {
            return *price;
        }
        for (const std::unique_ptr<Ppdu_id>& own : room.billLines) {
            if (own->id == line.tag) {
                return own->price;
            }
        }
        return 0.0;
    });
}
