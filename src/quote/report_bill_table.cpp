#include "quote/report_writer.h"

#include "design/room_statistics.h"
#include "library/product_library.h"
#include "quote/bill_table.h"
#include "quote/html_text.h"

namespace {

QString cell(const QString& text, const char* cls = "tbox01") {
    return QStringLiteral("<td class=\"%1\">").arg(QLatin1String(cls)) + html::cell(text) +
           QStringLiteral("</td>");
}

// The cell borders of the classes of a bill table.
constexpr quint8 Grid = SheetCell::Right | SheetCell::Bottom;
constexpr quint8 FirstColumn = SheetCell::Left | Grid;

} // namespace

std::vector<ReportLine> reportLines(const std::vector<BillRow>& table) {
    std::vector<ReportLine> lines;
    lines.reserve(table.size());
    for (const BillRow& row : table) {
        ReportLine line{row.caption, {}, {}, {}, {}, row.tag, row.icon == 0};
        const QStringList& v = row.values;
        QString* const fields[] = {&line.size, &line.quantity, &line.correction, &line.unit};
        for (int i = 0; i < 4 && i < v.size(); ++i) {
            *fields[i] = v[i];
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<ReportLine> reportLines(const std::vector<StatisticsRow>& list) {
    std::vector<ReportLine> lines;
    lines.reserve(list.size());
    for (const StatisticsRow& row : list) {
        const QStringList& v = row.subItems;
        lines.push_back({row.caption, v.value(0), v.value(1), QString(), v.value(2), row.state,
                         row.imageIndex == 0});
    }
    return lines;
}

void ReportWriter::billHeader() {
    struct Column {
        const char* caption;
        const char* width;
        const char* specialWidth; // nullptr: not a column of the special layout
    };
    static const Column columns[] = {{"类别", "15%", "12%"},       {"系列", nullptr, "10%"},
                                     {"品名", "21%", "18%"},       {"规格", "11%", "11%"},
                                     {"功率", nullptr, "10%"},     {"数量", "9%", "8%"},
                                     {"修正", "9%", "8%"},         {"单位", "10%", "10%"},
                                     {"单价（元）", "12%", "12%"}, {"小计（元）", "13%", "12%"}};
    html_ += QStringLiteral("<tr><td>\n<table width=\"90%\" border=\"0\" align=\"center\" "
                            "cellpadding=\"3\" cellspacing=\"0\">\n<tr>");
    SheetRow* const header = recording() ? &newSheetTable(0.9, 3).rows.emplace_back() : nullptr;
    bool first = true;
    for (const Column& c : columns) {
        const char* width = specialLayout() ? c.specialWidth : c.width;
        if (!width) {
            continue;
        }
        html_ += QStringLiteral("<td width=\"%1\" class=\"%2\">%3</td>")
                     .arg(QLatin1String(width),
                          first ? QStringLiteral("tbox01aa") : QStringLiteral("tbox01a"),
                          QString::fromUtf8(c.caption));
        if (header) {
            const quint8 borders = SheetCell::Top | (first ? FirstColumn : Grid);
            header->cells.push_back({QString::fromUtf8(c.caption),
                                     {},
                                     QByteArray(width).chopped(1).toDouble(),
                                     Qt::AlignLeft,
                                     borders,
                                     true});
        }
        first = false;
    }
    html_ += QStringLiteral("</tr>\n");
}

void ReportWriter::readproceduretoprint(const std::vector<ReportLine>& lines,
                                        const PriceOf& price) {
    billHeader();
    const PricedBill bill = priceBill(lines, price);
    std::vector<QString> cells;
    for (const PricedLine& priced : bill.lines) {
        const ReportLine& line = *priced.line;
        cells = {priced.category};
        if (specialLayout()) {
            cells.push_back(library_.subCategoryNameOfProduct(line.tag));
        }
        cells.insert(cells.end(), {line.caption, line.size});
        if (specialLayout()) {
            cells.emplace_back();
        }
        cells.insert(cells.end(),
                     {line.quantity, line.correction, line.unit, priced.unitPrice, priced.amount});
        billRow(cells);
    }
    if (!specialLayout()) {
        cells = {QStringLiteral("总计")};
        cells.resize(7);
        cells.push_back(bill.sum);
        billRow(cells);
    }
    html_ += QStringLiteral("</table>\n</td></tr>\n");
}

void ReportWriter::billRow(const std::vector<QString>& cells) {
    html_ += QStringLiteral("<tr>");
    for (std::size_t i = 0; i < cells.size(); ++i) {
        html_ += cell(cells[i], i == 0 ? "tbox01b" : "tbox01");
    }
    html_ += QStringLiteral("</tr>\n");
    if (recording()) {
        std::vector<SheetRow>& rows = sheet_.tables.back().rows;
        SheetRow& row = rows.emplace_back();
        for (std::size_t i = 0; i < cells.size(); ++i) {
            row.cells.push_back({cells[i],
                                 {},
                                 rows.front().cells[i].width,
                                 Qt::AlignLeft,
                                 i == 0 ? FirstColumn : Grid});
        }
    }
}
