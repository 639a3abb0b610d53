#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>
#include <vector>

// One row of a bill as the pages print it: from the statistics table or from a room's
// statistics list. Headings (categories, "［附件］", "总计") carry only their caption.
struct ReportLine {
    QString caption;
    QString size;
    QString quantity;
    QString correction;
    QString unit;
    qint32 tag = -1;
    bool heading = false;
};

// A printed line of a bill table: the category heading it opens (or empty), its line, and
// its unit price and amount in hundredths.
struct PricedLine {
    QString category;
    const ReportLine* line = nullptr;
    QString unitPrice;
    QString amount;
};

// A bill table with its figures worked out once, for the HTML page and for paper alike.
// Headings are not lines of their own: a category is printed with its first line, and a
// heading without lines (the table's own "总计") is not printed at all.
struct PricedBill {
    std::vector<PricedLine> lines;
    QString sum;
};

// The amount of a line is its unit price times its quantity plus a given correction;
// `lines` must outlive the result.
PricedBill priceBill(const std::vector<ReportLine>& lines,
                     const std::function<double(const ReportLine&)>& price);
