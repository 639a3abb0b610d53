// The rooms of the design drawings page and the discount lines of company 308's
// statistics page, as markup and as sheet rows.

#include "quote/report_writer.h"

namespace {

// A room's picture on the drawings page, in CSS pixels.
constexpr int DrawingWidth = 320;

constexpr quint8 Grid = SheetCell::Right | SheetCell::Bottom;

} // namespace

void ReportWriter::drawing(const QString& name, const QString& pictureName, const QImage& printed,
                           const QImage* inThreeD, bool opensRow, bool closesRow) {
    if (opensRow) {
        html_ += QStringLiteral("<tr>\n");
    }
    html_ += QStringLiteral("<td width=\"50%\" valign=\"top\"><table width=\"100%\" "
                            "border=\"0\" cellspacing=\"0\" cellpadding=\"0\">\n");
    titleBarMarkup(name, {}, {});
    html_ += QStringLiteral("<tr><td>");
    if (pictureName.isEmpty()) {
        html_ += QStringLiteral("&nbsp;");
    } else {
        pictureMarkup(pictureName, DrawingWidth, 0);
    }
    html_ += QStringLiteral("</td></tr>\n</table></td>\n");
    if (closesRow) {
        html_ += QStringLiteral("</tr>\n");
    }
    if (!recording()) {
        return;
    }
    // Each row of rooms is a table of a title row and a picture row, half a page per room,
    // and, with 3D pictures, a row of those below.
    if (opensRow) {
        SheetTable& row = newSheetTable(1, 0);
        row.rows.resize(inThreeD ? 3 : 2);
        for (std::size_t r = 0; r + 1 < row.rows.size(); ++r) {
            row.rows[r].keepWithNext = true;
        }
    }
    std::vector<SheetRow>& rows = sheet_.tables.back().rows;
    SheetCell bar{{}, name, 50};
    bar.shaded = true;
    rows[0].cells.push_back(bar);
    const auto pictureCell = [](const QImage& picture) {
        SheetCell cell{{}, {}, 50};
        cell.picture = picture;
        cell.pictureWidth = DrawingWidth;
        return cell;
    };
    rows[1].cells.push_back(pictureCell(printed));
    if (inThreeD && rows.size() > 2) {
        rows[2].cells.push_back(pictureCell(*inThreeD));
    }
    if (closesRow && rows[0].cells.size() == 1) {
        for (SheetRow& row : rows) {
            row.cells.push_back({{}, {}, 50});
        }
    }
}

void ReportWriter::discountRow() {
    html_ += QStringLiteral(
        "<tr><td>\n<table width=\"90%\" border=\"0\" align=\"center\" cellpadding=\"3\" "
        "cellspacing=\"0\"><tr>"
        "<td width=\"12%\" class=\"tbox01b\">优惠折扣</td>"
        "<td width=\"20%\" class=\"tbox01\">&nbsp;</td>"
        "<td width=\"12%\" class=\"tbox01\">实收金额</td>"
        "<td class=\"tbox01\">大写:____万____仟____佰____拾____圆____角____分   "
        "小写:￥____________</td></tr></table>\n</td></tr>\n");
    if (recording()) {
        newSheetTable(0.9, 3).rows.push_back(
            {{{QStringLiteral("优惠折扣"), {}, 12, Qt::AlignLeft, quint8(SheetCell::Left | Grid)},
              {{}, {}, 20, Qt::AlignLeft, Grid},
              {QStringLiteral("实收金额"), {}, 12, Qt::AlignLeft, Grid},
              {QStringLiteral("大写:____万____仟____佰____拾____圆____角____分   "
                              "小写:￥____________"),
               {},
               56,
               Qt::AlignLeft,
               Grid}}});
    }
}
