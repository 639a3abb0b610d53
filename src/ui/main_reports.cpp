// The print and export commands of the main window: the three pages printed through the
// browser or exported into a chosen folder, the PDF files, the print preview of the
// statistics and the statistics file.

#include "quote/held_settings.h"
#include "quote/open_project.h"
#include "quote/report_document.h"
#include "quote/reports.h"
#include "quote/startup_session.h"
#include "ui/design_statistics_panel.h"
#include "ui/main_actions.h"
#include "ui/tmainfm.h"
#include "ui/tsavewebfm.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QPageLayout>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>

void Tmainfm::wireReports() {
    reports_ = std::make_unique<Reports>(ReportSources{*project_, *bill_, session_.library(),
                                                       session_.held(), session_.setup(), prompts_,
                                                       session_.programFolder()});
    reports_->chooseExportFolder = [this](const QString& folder, const QString& proposal) {
        Tsavewebfm dialog(prompts_, this);
        return dialog.choose(folder, proposal);
    };
    const auto on = [this](const char* name, std::function<void()> command) {
        connect((*actions_)[QString::fromUtf8(name)], &QAction::triggered, this,
                std::move(command));
    };
    const ReportMode modes[] = {ReportMode::CurrentRoom, ReportMode::DesignDrawings,
                                ReportMode::Statistics};
    // What an export wrote is named in the status bar.
    const auto exported = [this](const QString& file) {
        if (!file.isEmpty()) {
            showNotice(QStringLiteral("已导出 ") + QDir::toNativeSeparators(file));
        }
    };
    for (int i = 0; i < 3; ++i) {
        const ReportMode mode = modes[i];
        on(qPrintable(QStringLiteral("print%1").arg(i + 1)),
           [this, mode] { reports_->print(mode, active_); });
        on(qPrintable(QStringLiteral("export%1").arg(i + 1)),
           [this, mode, exported] { exported(reports_->exportPage(mode, active_)); });
    }
    on("exportPdf3", [this, exported] { exported(reports_->exportPdf(ReportMode::Statistics)); });
    on("exportPdf2",
       [this, exported] { exported(reports_->exportPdf(ReportMode::DesignDrawings)); });
    on("printPreview", [this] { printPreview(); });
    on("exportExcel", [this, exported] { exported(reports_->sButton3Click(active_)); });
    connect(statisticsPanel_->exportStatistics(), &QPushButton::clicked, this,
            [this, exported] { exported(reports_->sButton3Click(active_)); });
    connect(statisticsPanel_->exportPicture(), &QPushButton::clicked,
            (*actions_)[QStringLiteral("exportPicture")], &QAction::trigger);
    (*actions_)[QStringLiteral("exportExcel")]->setEnabled(true);
    for (const char* menu : {"printMenu", "exportMenu"}) {
        connect(actions_->menu(QString::fromUtf8(menu)), &QMenu::aboutToShow, this,
                [this] { refreshReportCommands(); });
    }
    refreshReportCommands();
}

// Also run by the tab change, so that the tool bar's "打印" and "导出" follow the page.
void Tmainfm::refreshReportCommands() {
    if (!reports_) {
        return; // a tab change while the window is being built
    }
    const bool room = Reports::currentRoomAvailable(active_);
    const bool pages = reports_->pagesAvailable();
    for (int i = 1; i <= 3; ++i) {
        for (const char* kind : {"print", "export"}) {
            (*actions_)[QString::fromUtf8(kind) + QString::number(i)]->setEnabled(i == 1 ? room
                                                                                         : pages);
        }
    }
    for (const char* name : {"printPreview", "exportPdf3", "exportPdf2"}) {
        (*actions_)[QString::fromUtf8(name)]->setEnabled(pages);
    }
}

// Qt's preview of the statistics document, printed to any printer of the system.
void Tmainfm::printPreview() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(report_document::pageLayout());
    printer.setDocName(project_->customer.name);
    QPrintPreviewDialog preview(&printer, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { reports_->printDocument(ReportMode::Statistics, *target); });
    preview.exec();
}
