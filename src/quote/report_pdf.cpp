// The pages as PDF files and on printers: the same texts and figures as the HTML pages,
// drawn from the page's sheet, or its markup laid out when the sheet cannot draw it.

#include "platform/prompts.h"
#include "platform/safe_file_name.h"
#include "quote/open_project.h"
#include "quote/report_document.h"
#include "quote/report_files.h"
#include "quote/reports.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTemporaryDir>

bool Reports::printDocument(ReportMode mode, QPagedPaintDevice& device, WorkProgress& progress,
                            bool cuttingList) {
    ProgressScope scope(progress, QStringLiteral("正在生成打印页..."), progressSteps(mode), true);
    return paintDocument(mode, device, scope, cuttingList);
}

bool Reports::paintDocument(ReportMode mode, QPagedPaintDevice& device, ProgressScope& progress,
                            bool cuttingList) {
    const QTemporaryDir pictures;
    if (!pictures.isValid()) {
        s_.prompts.message(QStringLiteral("无法创建临时文件夹：") +
                           QDir::toNativeSeparators(QDir::tempPath()));
        return false;
    }
    std::optional<ComposedPage> page = composePage(mode, nullptr, pictures.path(), true, progress);
    if (!page) {
        return false;
    }
    if (cuttingList && mode == ReportMode::Statistics) {
        appendCuttingList(page->sheet);
    }
    if (page->sheet.complete) {
        report_document::paint(page->sheet, pictures.path(), device);
    } else {
        report_document::print(page->html, pictures.path(), device);
    }
    return true;
}

// The PDF is made in memory and written only when whole, so a cancelled or failed export
// leaves the file as it was.
QString Reports::writePdf(ReportMode mode, const QString& file, WorkProgress& progress,
                          bool cuttingList) {
    ProgressScope scope(progress, QStringLiteral("正在导出PDF..."), progressSteps(mode), true);
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setResolution(300);
        writer.setPageLayout(report_document::pageLayout());
        writer.setCreator(QStringLiteral("砚舟集成吊顶设计软件"));
        writer.setTitle(QFileInfo(file).completeBaseName());
        if (!paintDocument(mode, writer, scope, cuttingList)) {
            return {};
        }
    }
    if (!report_files::writeWhole(file, pdf.data(), s_.prompts)) {
        return {};
    }
    scope.advance(progressSteps(mode));
    return file;
}

QString Reports::exportPdf(ReportMode mode, WorkProgress& progress) {
    const bool drawings = mode == ReportMode::DesignDrawings;
    const QString proposal =
        safeFileName(s_.project.customer.name +
                     (drawings ? QStringLiteral("_设计方案") : QStringLiteral("_报价单")));
    const QString proposedPath =
        QDir(s_.programFolder)
            .filePath(QStringLiteral("导出文件/") + proposal + QStringLiteral(".pdf"));
    bool cuttingList = false;
    QString file =
        drawings ? s_.prompts.chooseSaveFile(QStringLiteral("导出PDF设计方案"), proposedPath,
                                             QStringLiteral("PDF|*.pdf"))
                 : s_.prompts.chooseSaveFileWithTick(QStringLiteral("导出PDF报价单"), proposedPath,
                                                     QStringLiteral("PDF|*.pdf"),
                                                     QStringLiteral("附下料单"), cuttingList);
    if (file.isEmpty()) {
        return {};
    }
    if (QFileInfo(file).suffix().isEmpty()) {
        file += QStringLiteral(".pdf");
    }
    const QString written = writePdf(mode, file, progress, cuttingList);
    if (!written.isEmpty()) {
        openOrTell(written);
    }
    return written;
}
