#pragma once

#include <QString>

class QPageLayout;
class QPagedPaintDevice;
struct ReportSheet;

// A report page laid out on paper: the markup of the HTML page, with the pictures it
// names taken from the folder they were written to, printed page by page.
namespace report_document {

// The CJK font the program depends on; the page's own families (Arial, 黑体, ...) are
// not on every machine and their fallbacks differ.
inline const char* const ChineseFamily = "WenQuanYi Micro Hei";

// A4 portrait with margins of 15 mm: the PDF files' layout and the printer's first choice.
QPageLayout pageLayout();

// Prints `markup` onto `device` at the device's page layout. Relative picture names are
// read from `folder`; every text is set in the program's Chinese font so that it is
// embedded in a PDF and can be selected and searched there.
void print(const QString& markup, const QString& folder, QPagedPaintDevice& device);

// Draws `sheet` onto `device` directly, many times faster than laying out its markup; the
// logo is read from `folder`. The text is real text in the program's Chinese font.
void paint(const ReportSheet& sheet, const QString& folder, QPagedPaintDevice& device);

} // namespace report_document
