#include "quote/report_writer.h"

#include "core/rounding.h"
#include "design/room_statistics.h"
#include "library/product_library.h"
#include "platform/decimal_text.h"
#include "quote/bill_table.h"
#include "quote/html_text.h"

namespace {

QString hundredths(double value) {
    return decimalText(double(rounding::halfEven64(value * 100)) / 100);
}

// A number of the table as printed; 0 when it does not read as one.
double numberOf(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok ? value : 0;
}

QString cell(const QString& text, const char* cls = "tbox01") {
    return QStringLiteral("<td class=\"%1\">").arg(QLatin1String(cls)) + html::cell(text) +
           QStringLiteral("</td>");
}

QString numberCell(double value) {
    return QStringLiteral("<td class=\"tbox01\">") + hundredths(value) + QStringLiteral("</td>");
}

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
        first = false;
    }
    html_ += QStringLiteral("</tr>\n");
}

// Headings are not rows of their own: a category is printed in the 类别 cell of its first
// line, and a heading without lines (the table's own "总计") is not printed at all.
void ReportWriter::readproceduretoprint(const std::vector<ReportLine>& lines,
                                        const PriceOf& price) {
    billHeader();
    QString pending;
    double sum = 0;
    for (const ReportLine& line : lines) {
        if (line.heading) {
            pending = line.caption;
            continue;
        }
        html_ += QStringLiteral("<tr>") + cell(pending, "tbox01b");
        pending.clear();
        if (specialLayout()) {
            html_ += cell(library_.subCategoryNameOfProduct(line.tag));
        }
        html_ += cell(line.caption) + cell(line.size);
        if (specialLayout()) {
            html_ += cell(QString());
        }
        html_ += cell(line.quantity) + cell(line.correction) + cell(line.unit);
        double quantity = numberOf(line.quantity);
        if (!line.correction.trimmed().isEmpty()) {
            quantity += numberOf(line.correction);
        }
        const double unitPrice = price(line);
        html_ +=
            numberCell(unitPrice) + numberCell(unitPrice * quantity) + QStringLiteral("</tr>\n");
        sum += unitPrice * quantity;
    }
    if (!specialLayout()) {
        html_ += QStringLiteral("<tr>") + cell(QStringLiteral("总计"), "tbox01b");
        for (int i = 0; i < 6; ++i) {
            html_ += cell(QString());
        }
        html_ += numberCell(sum) + QStringLiteral("</tr>\n");
    }
    html_ += QStringLiteral("</table>\n</td></tr>\n");
}
