#include "quote/report_document.h"

#include <QDir>
#include <QFont>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

namespace {

using report_document::ChineseFamily;

// The page's sizes are CSS pixels: 96 to the inch, 72 points to the inch.
constexpr double PixelsPerPoint = 96.0 / 72.0;

void useChineseFamily(QTextDocument& document) {
    QTextCursor all(&document);
    all.select(QTextCursor::Document);
    QTextCharFormat family;
    family.setFontFamilies({QString::fromLatin1(ChineseFamily)});
    all.mergeCharFormat(family);
}

} // namespace

namespace report_document {

QPageLayout pageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                       QPageLayout::Millimeter);
}

void print(const QString& markup, const QString& folder, QPagedPaintDevice& device) {
    QTextDocument document;
    document.setDefaultFont(QFont(QString::fromLatin1(ChineseFamily)));
    document.setDocumentMargin(0);
    document.setBaseUrl(QUrl::fromLocalFile(QDir(folder).absolutePath() + u'/'));
    document.setHtml(markup);
    useChineseFamily(document);
    // Laid out on pages as wide as the paper's printable width in CSS pixels, so that a
    // page meant for a screen keeps its proportions; print() scales the pages to the device.
    document.setPageSize(device.pageLayout().paintRect(QPageLayout::Point).size() * PixelsPerPoint);
    document.print(&device);
}

} // namespace report_document
