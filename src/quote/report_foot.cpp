#include "quote/report_writer.h"

#include "quote/html_text.h"

void ReportWriter::foot() {
    if (specialLayout() && header_.mode == ReportMode::DesignDrawings) {
        specialDrawingsFoot();
    } else if (specialLayout() && header_.mode == ReportMode::Statistics) {
        specialStatisticsFoot();
    } else {
        dealerFoot();
    }
    html_ += QStringLiteral("</body>\n</html>\n");
}

void ReportWriter::dealerFoot() {
    // The statistics page has always written this label with an ASCII colon.
    const QString phoneLabel = header_.mode == ReportMode::Statistics
                                   ? QStringLiteral("经销商电话:")
                                   : QStringLiteral("经销商电话：");
    html_ +=
        QStringLiteral(
            "<table width=\"100%\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\">\n"
            "<tr><td height=\"36\">经销商地址：%1</td></tr>\n"
            "<tr><td><table width=\"100%\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\"><tr>"
            "<td width=\"48%\">%2%3   %4</td>"
            "<td width=\"9%\" align=\"right\">经办人：</td>"
            "<td width=\"16%\" class=\"tbox02\">&nbsp;</td>"
            "<td width=\"11%\" align=\"right\">客户签名：</td>"
            "<td width=\"16%\" class=\"tbox02\">&nbsp;</td>"
            "</tr></table></td></tr>\n</table>\n")
            .arg(html::escape(header_.dealer.address), phoneLabel,
                 html::escape(header_.dealer.phone1), html::escape(header_.dealer.phone2));
    if (recording()) {
        SheetTable& foot = newSheetTable(1, 0);
        foot.rows.push_back({{{QStringLiteral("经销商地址：") + header_.dealer.address, {}}}, 36});
        const auto line = [](double width) {
            return SheetCell{{}, {}, width, Qt::AlignLeft, SheetCell::Bottom};
        };
        foot.rows.push_back(
            {{{phoneLabel + header_.dealer.phone1 + QStringLiteral("   ") + header_.dealer.phone2,
               {},
               48},
              {QStringLiteral("经办人："), {}, 9, Qt::AlignRight},
              line(16),
              {QStringLiteral("客户签名："), {}, 11, Qt::AlignRight},
              line(16)}});
    }
}

void ReportWriter::specialDrawingsFoot() {
    html_ +=
        QStringLiteral("<table width=\"100%\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\"><tr>"
                       "<td width=\"15%\" height=\"36\" align=\"right\">客户确认：</td>"
                       "<td width=\"35%\" class=\"tbox02\">&nbsp;</td>"
                       "<td width=\"50%\" align=\"right\"> 附　工程物料核价表 </td>"
                       "</tr></table>\n");
    if (recording()) {
        newSheetTable(1, 0).rows.push_back(
            {{{QStringLiteral("客户确认："), {}, 15, Qt::AlignRight},
              {{}, {}, 35, Qt::AlignLeft, SheetCell::Bottom},
              {QStringLiteral(" 附　工程物料核价表 "), {}, 50, Qt::AlignRight}},
             36});
    }
}

void ReportWriter::specialStatisticsFoot() {
    html_ += QStringLiteral(
        "<table width=\"100%\" border=\"0\" cellspacing=\"0\" cellpadding=\"5\" class=\"tbox\">\n"
        "<tr><td width=\"16%\" align=\"center\" class=\"tbox01\">备 注</td>"
        "<td colspan=\"3\" class=\"tbox02\">安装附件用量是根据房间面积自动生成，因房间格局的差异，"
        "实际用量如有差别，不再找补工程费用。</td></tr>\n"
        "<tr><td align=\"center\" class=\"tbox01\">服务单位</td>"
        "<td colspan=\"2\" align=\"right\" class=\"tbox01\">(印章)</td>"
        "<td class=\"tbox02\">联系地址：</td></tr>\n"
        "<tr><td align=\"center\" class=\"tbox01\">专案服务</td>"
        "<td width=\"28%\" align=\"center\" class=\"tbox01\">配置设计</td>"
        "<td width=\"28%\" align=\"center\" class=\"tbox01\">客服专员</td>"
        "<td align=\"center\" class=\"tbox02\">用户确认</td></tr>\n"
        "<tr><td align=\"center\" class=\"tbox01\">姓　　名</td>"
        "<td class=\"tbox01\">&nbsp;</td><td class=\"tbox01\">&nbsp;</td>"
        "<td rowspan=\"2\" valign=\"top\">用户签字：</td></tr>\n"
        "<tr><td align=\"center\" class=\"tbox01\">联系电话</td>"
        "<td class=\"tbox01\">&nbsp;</td><td class=\"tbox01\">&nbsp;</td></tr>\n"
        "</table>\n");
    if (!recording()) {
        return;
    }
    // The signature's cell spans the last two rows: the line between them is left out.
    constexpr quint8 Grid = SheetCell::Right | SheetCell::Bottom;
    const auto text = [](const char* text, double width, Qt::Alignment align, quint8 borders) {
        return SheetCell{QString::fromUtf8(text), {}, width, align, borders};
    };
    const auto label = [&](const char* caption) {
        return text(caption, 16, Qt::AlignHCenter, Grid);
    };
    SheetTable& foot = newSheetTable(1, 5, true);
    foot.rows.push_back(
        {{label("备 注"), text("安装附件用量是根据房间面积自动生成，因房间格局的差异，"
                               "实际用量如有差别，不再找补工程费用。",
                               84, Qt::AlignLeft, SheetCell::Bottom)}});
    foot.rows.push_back({{label("服务单位"), text("(印章)", 56, Qt::AlignRight, Grid),
                          text("联系地址：", 28, Qt::AlignLeft, SheetCell::Bottom)}});
    foot.rows.push_back({{label("专案服务"), text("配置设计", 28, Qt::AlignHCenter, Grid),
                          text("客服专员", 28, Qt::AlignHCenter, Grid),
                          text("用户确认", 28, Qt::AlignHCenter, SheetCell::Bottom)}});
    foot.rows.push_back(
        {{label("姓　　名"), text("", 28, Qt::AlignLeft, Grid), text("", 28, Qt::AlignLeft, Grid),
          text("用户签字：", 28, Qt::AlignLeft, 0)}});
    foot.rows.push_back({{label("联系电话"), text("", 28, Qt::AlignLeft, Grid),
                          text("", 28, Qt::AlignLeft, Grid), text("", 28, Qt::AlignLeft, 0)}});
}
