#include "quote/report_writer.h"

#include "platform/decimal_text.h"
#include "quote/html_text.h"
#include "quote/report_files.h"
#include "store/customer_record.h"

#include <QUrl>

namespace {

const char* const DocumentHead =
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\" "
    "\"http://www.w3.org/TR/html4/loose.dtd\">\n"
    "<html>\n<head>\n"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">\n";

// The wheel changes a picture's zoom by a twelfth of its delta, from 100 per cent, never
// down to 0, and the page does not scroll meanwhile.
const char* const ScriptAndStyle =
    "<script type=\"text/javascript\">\n"
    "function bbimg(o) {\n"
    "  var zoom = parseInt(o.style.zoom, 10) || 100;\n"
    "  zoom += window.event.wheelDelta / 12;\n"
    "  if (zoom > 0) o.style.zoom = zoom + '%';\n"
    "  return false;\n"
    "}\n"
    "</script>\n"
    "<style type=\"text/css\">\n"
    ".tt01 { font-family: \"黑体\", \"隶书\", \"宋体\"; font-size: 23px; font-weight: bold }\n"
    ".tt02 { font-family: \"黑体\", \"隶书\", \"宋体\"; font-size: 19px }\n"
    ".tbox { border: 1px solid #000000 }\n"
    ".tbox01 { border-style: solid; border-color: #999999; border-width: 0 1px 1px 0 }\n"
    ".tbox02 { border-bottom: 1px solid #999999 }\n"
    ".tbox01a { border-style: solid; border-color: #999999; border-width: 1px 1px 1px 0; "
    "background-color: #efefef }\n"
    ".tbox01aa { border: 1px solid #999999; background-color: #efefef }\n"
    ".tbox01b { border-style: solid; border-color: #999999; border-width: 0 1px 1px 1px }\n"
    ".tbox01c { background-color: #efefef }\n"
    "td, body { font-family: Arial, Helvetica, sans-serif; font-size: 12px }\n"
    "body { margin: 0 }\n"
    "</style>\n"
    "</head>\n<body>\n";

// A date as printed; empty when unset.
QString dateText(const QDateTime& date) {
    if (!date.isValid() || date.date().year() <= 1899) {
        return {};
    }
    return date.date().toString(QStringLiteral("yyyy-MM-dd"));
}

// The markup of a text that may be empty; an empty cell keeps its borders.
QString orSpace(const QString& text) {
    return text.isEmpty() ? QStringLiteral("&nbsp;") : html::escape(text);
}

QString labelCell(const char* label, const char* width = nullptr) {
    QString cell = QStringLiteral("<td");
    if (width) {
        cell += QStringLiteral(" width=\"%1\"").arg(QLatin1String(width));
    }
    return cell + QStringLiteral(" align=\"center\" class=\"tbox01\">") + QString::fromUtf8(label) +
           QStringLiteral("</td>");
}

QString valueCell(const QString& html, const char* cls, const char* width = nullptr) {
    QString cell = QStringLiteral("<td");
    if (width) {
        cell += QStringLiteral(" width=\"%1\"").arg(QLatin1String(width));
    }
    return cell + QStringLiteral(" class=\"%1\">").arg(QLatin1String(cls)) + html +
           QStringLiteral("</td>");
}

} // namespace

ReportWriter::ReportWriter(ReportHeader header, ProductLibrary& library)
    : header_(std::move(header)), library_(library) {}

void ReportWriter::readbaseinfor() {
    html_ += QLatin1String(DocumentHead);
    html_ += QStringLiteral("<title>砚舟集成吊顶设计软件 v6 | ") +
             html::escape(header_.vendorAddress) + QStringLiteral("</title>\n");
    html_ += QString::fromUtf8(ScriptAndStyle);
    heading();
    if (!specialLayout() || header_.mode == ReportMode::CurrentRoom) {
        customerBlock();
    } else if (header_.mode == ReportMode::DesignDrawings) {
        specialCustomerBlock();
    }
}

void ReportWriter::heading() {
    // No picture at all rather than a broken one where the logo is missing.
    const QString logo =
        header_.logo
            ? QStringLiteral("<a href=\"%1\" target=\"_blank\"><img src=\"%2\" width=\"172\" "
                             "height=\"60\" border=\"0\" alt=\"\"></a>")
                  .arg(html::escape(header_.vendorAddress), report_files::LogoName)
            : QStringLiteral("&nbsp;");
    QString title = header_.dealer.heading;
    if (specialLayout() && header_.mode == ReportMode::DesignDrawings) {
        title = QStringLiteral("集成吊顶配置方案明细单");
    } else if (specialLayout() && header_.mode == ReportMode::Statistics) {
        title = QStringLiteral("集成吊顶工程物料核价表");
    }
    html_ += QStringLiteral(
                 "<table width=\"100%\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\">\n"
                 "<tr><td width=\"190\">%1</td>\n<td>"
                 "<table width=\"80%\" height=\"36\" border=\"0\" cellspacing=\"0\" "
                 "cellpadding=\"0\"><tr><td align=\"center\" class=\"tt01\">%2</td></tr></table>\n"
                 "<table width=\"80%\" height=\"30\" border=\"0\" cellspacing=\"0\" "
                 "cellpadding=\"0\"><tr><td align=\"center\" class=\"tt02\">%3</td></tr></table>"
                 "</td></tr>\n</table>\n"
                 "<table width=\"100%\" height=\"22\" border=\"0\" cellspacing=\"0\" "
                 "cellpadding=\"0\"><tr><td width=\"55%\">&nbsp;</td><td width=\"45%\">项目编号：%4"
                 "</td></tr></table>\n")
                 .arg(logo, html::escape(title), html::escape(header_.dealer.subHeading),
                      html::escape(header_.customer.proid));
    sheet_.heading = {header_.logo ? report_files::LogoName : QString(), title,
                      header_.dealer.subHeading,
                      QStringLiteral("项目编号：") + header_.customer.proid};
}

void ReportWriter::customerBlock() {
    const CustomerRecord& c = header_.customer;
    const QString address =
        c.addr.trimmed().isEmpty() ? QString() : c.areaTitle.trimmed() + u' ' + c.addr.trimmed();
    const QString phones = c.tele.isEmpty() && c.tele2.isEmpty()
                               ? QString()
                               : c.tele + QStringLiteral("   ") + c.tele2;
    const QString amount = c.price == 0 ? QString() : decimalText(c.price) + QStringLiteral("元  ");
    QString remark;
    if (!header_.dealer.remark.isEmpty()) {
        remark = html::escape(header_.dealer.remark) + QStringLiteral("<br> ");
    }
    remark += html::cell(c.memo.trimmed());
    html_ +=
        QStringLiteral("<table width=\"100%\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\" "
                       "class=\"tbox\"><tr><td>\n<table width=\"100%\" border=\"0\" "
                       "cellspacing=\"0\" cellpadding=\"5\">\n<tr>");
    html_ += labelCell("客 户", "9%") + valueCell(html::cell(c.name), "tbox01", "48%") +
             labelCell("设计日期", "10%") + valueCell(orSpace(dateText(c.designdate)), "tbox02");
    html_ += QStringLiteral("</tr>\n<tr>") + labelCell("地 址") +
             valueCell(orSpace(address), "tbox01") + labelCell("施工日期") +
             valueCell(orSpace(dateText(c.workdate)), "tbox02");
    html_ += QStringLiteral("</tr>\n<tr>") + labelCell("电 话") +
             valueCell(orSpace(phones), "tbox01") + labelCell("项目金额") +
             valueCell(orSpace(amount), "tbox02");
    html_ += QStringLiteral("</tr>\n<tr>") + labelCell("备 注") +
             QStringLiteral("<td colspan=\"3\" height=\"36\" class=\"tbox02\">") + remark +
             QStringLiteral("</td></tr>\n</table></td></tr></table>\n");
    if (!recording()) {
        return;
    }
    SheetTable& block = newSheetTable(1, 5, true);
    const auto row = [&](const char* label, const QString& value, const char* label2,
                         const QString& value2) {
        constexpr quint8 Grid = SheetCell::Right | SheetCell::Bottom;
        block.rows.push_back({{{QString::fromUtf8(label), {}, 9, Qt::AlignHCenter, Grid},
                               {value, {}, 48, Qt::AlignLeft, Grid},
                               {QString::fromUtf8(label2), {}, 10, Qt::AlignHCenter, Grid},
                               {value2, {}, 33, Qt::AlignLeft, SheetCell::Bottom}}});
    };
    row("客 户", c.name, "设计日期", dateText(c.designdate));
    row("地 址", address, "施工日期", dateText(c.workdate));
    row("电 话", phones, "项目金额", amount);
    QString remarkText = c.memo.trimmed();
    if (!header_.dealer.remark.isEmpty()) {
        remarkText = header_.dealer.remark + u'\n' + remarkText;
    }
    block.rows.push_back({{{QStringLiteral("备 注"), {}, 9, Qt::AlignHCenter, SheetCell::Right},
                           {remarkText, {}, 91, Qt::AlignLeft, 0}},
                          36});
}

void ReportWriter::specialCustomerBlock() {
    const CustomerRecord& c = header_.customer;
    const QString phones = html::cell(c.tele + QStringLiteral("   ") + c.tele2);
    const QString address = html::cell(c.areaTitle.trimmed() + u' ' + c.addr.trimmed());
    html_ +=
        QStringLiteral("<table width=\"100%\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\" "
                       "class=\"tbox\"><tr><td>\n<table width=\"100%\" border=\"0\" "
                       "cellspacing=\"0\" cellpadding=\"5\">\n<tr>");
    html_ += labelCell("客户姓名", "12%") + valueCell(html::cell(c.name), "tbox01", "38%") +
             labelCell("联系电话", "12%") + valueCell(phones, "tbox02");
    html_ += QStringLiteral("</tr>\n<tr>") + labelCell("安装地址") + valueCell(address, "tbox01") +
             labelCell("施工日期") + valueCell(orSpace(dateText(c.workdate)), "tbox02");
    html_ += QStringLiteral("</tr>\n<tr>") + labelCell("位置面积") +
             QStringLiteral("<td colspan=\"3\" class=\"tbox02\">&nbsp;</td></tr>\n"
                            "</table></td></tr></table>\n");
    if (!recording()) {
        return;
    }
    SheetTable& block = newSheetTable(1, 5, true);
    constexpr quint8 Grid = SheetCell::Right | SheetCell::Bottom;
    const auto label = [](const char* text, double width) {
        return SheetCell{QString::fromUtf8(text), {}, width, Qt::AlignHCenter, Grid};
    };
    const auto row = [&](const char* label1, const QString& value1, const char* label2,
                         const QString& value2) {
        block.rows.push_back({{label(label1, 12),
                               {value1, {}, 38, Qt::AlignLeft, Grid},
                               label(label2, 12),
                               {value2, {}, 38, Qt::AlignLeft, SheetCell::Bottom}}});
    };
    row("客户姓名", c.name, "联系电话", c.tele + QStringLiteral("   ") + c.tele2);
    row("安装地址", c.areaTitle.trimmed() + u' ' + c.addr.trimmed(), "施工日期",
        dateText(c.workdate));
    block.rows.push_back({{label("位置面积", 12), {{}, {}, 88, Qt::AlignLeft, SheetCell::Bottom}}});
}

void ReportWriter::pageFrameOpen(int spacing, bool centred) {
    if (!header_.paper) {
        html_ +=
            QStringLiteral("<table width=\"100%\" height=\"700\" border=\"0\" cellspacing=\"0\" "
                           "cellpadding=\"0\"%1><tr><td valign=\"top\">\n")
                .arg(centred ? QStringLiteral(" align=\"center\"") : QString());
    }
    html_ += QStringLiteral("<table width=\"100%\" border=\"0\" cellspacing=\"%1\" "
                            "cellpadding=\"0\">\n")
                 .arg(spacing);
    frameSpacing_ = spacing;
}

void ReportWriter::pageFrameClose() {
    html_ += QStringLiteral("</table>\n");
    if (!header_.paper) {
        html_ += QStringLiteral("</td></tr></table>\n");
    }
    frameSpacing_ = -1;
}

SheetTable& ReportWriter::newSheetTable(double width, double padding, bool boxed) {
    return sheet_.tables.emplace_back(
        SheetTable{width, padding, boxed, double(std::max(frameSpacing_, 0)), {}});
}

void ReportWriter::titleBarMarkup(const QString& name, const QString& rest, const QString& width) {
    html_ += QStringLiteral("<tr><td class=\"tbox01c\"");
    if (!width.isEmpty()) {
        html_ += QStringLiteral(" width=\"%1\"").arg(width);
    }
    html_ += QStringLiteral("><b>") + html::escape(name) + QStringLiteral("</b>") +
             html::escape(rest) + QStringLiteral("</td></tr>\n");
}

void ReportWriter::titleBar(const QString& name, const QString& rest, const QString& width) {
    titleBarMarkup(name, rest, width);
    if (recording()) {
        SheetCell bar{rest, name};
        bar.shaded = true;
        newSheetTable(1, 0).rows.push_back({{bar}});
    }
}

void ReportWriter::picture(const QString& fileName, int width, int height) {
    sheet_.complete = false;
    pictureMarkup(fileName, width, height);
}

void ReportWriter::pictureMarkup(const QString& fileName, int width, int height) {
    const QString src = QString::fromLatin1(QUrl::toPercentEncoding(fileName));
    html_ += QStringLiteral("<a href=\"%1\" target=\"_blank\"><img src=\"%1\" width=\"%2\"")
                 .arg(src)
                 .arg(width);
    if (height > 0) {
        html_ += QStringLiteral(" height=\"%1\"").arg(height);
    }
    html_ += QStringLiteral(" onmousewheel=\"return bbimg(this)\" "
                            "title=\"使用鼠标滚轮可以改变图片大小，以便调整打印大小\" alt=\"%1\" "
                            "border=\"0\"></a>")
                 .arg(html::escape(fileName));
}
