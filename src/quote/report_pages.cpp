// The bodies of the three pages: the current room, all design drawings, all statistics.

#include "core/rounding.h"
#include "core/troom_obj.h"
#include "platform/decimal_text.h"
#include "quote/bill_of_materials.h"
#include "quote/open_project.h"
#include "quote/report_files.h"
#include "quote/reports.h"

#include <QDir>

namespace {

QString areaText(double squareMetres) {
    return decimalText(double(rounding::halfEven64(squareMetres * 100)) / 100);
}

} // namespace

bool Reports::currentRoomPage(ReportWriter& page, TRoom_OBJ& room, const QString& folder) {
    const int index = s_.project.indexOf(&room);
    const QString pictureName =
        report_files::roomPictureName(s_.project.customer.name, index, room.getName());
    QImage image;
    if (!room.designPicture(image) || !savePicture(image, QDir(folder).filePath(pictureName))) {
        return false;
    }
    const QSize shown = report_files::shownPictureSize(image.size());
    page.pageFrameOpen(10);
    page.titleBar(room.getName(), QStringLiteral("   ［面积：") + areaText(room.roomArea()) +
                                      QStringLiteral(" 平方米］"));
    page.append(QStringLiteral("<tr><td align=\"center\">"));
    page.picture(pictureName, shown.width(), shown.height());
    page.append(QStringLiteral("</td></tr>\n"));
    if (s_.project.room_list.size() < 2) {
        projectTable(page);
    } else {
        roomTable(page, room);
    }
    page.pageFrameClose();
    return true;
}

// Two rooms to a row: a row opens before each room of even index and closes after each
// of odd index; a last room alone closes its row too.
bool Reports::drawingsPage(ReportWriter& page, const QString& folder) {
    page.pageFrameOpen(10, true);
    const std::vector<RoomEntry>& rooms = s_.project.room_list;
    for (std::size_t i = 0; i < rooms.size(); ++i) {
        TRoom_OBJ& room = *rooms[i].room;
        if (i % 2 == 0) {
            page.append(QStringLiteral("<tr>\n"));
        }
        const QString pictureName =
            report_files::roomPictureName(s_.project.customer.name, int(i), room.getName());
        page.append(QStringLiteral("<td width=\"50%\" valign=\"top\"><table width=\"100%\" "
                                   "border=\"0\" cellspacing=\"0\" cellpadding=\"0\">\n"));
        page.titleBar(room.getName());
        page.append(QStringLiteral("<tr><td>"));
        QImage image;
        if (room.designPicture(image)) {
            if (!savePicture(image, QDir(folder).filePath(pictureName))) {
                return false;
            }
            page.picture(pictureName, 320);
        } else {
            page.append(QStringLiteral("&nbsp;"));
        }
        page.append(QStringLiteral("</td></tr>\n</table></td>\n"));
        if (i % 2 == 1 || i + 1 == rooms.size()) {
            page.append(QStringLiteral("</tr>\n"));
        }
    }
    page.pageFrameClose();
    return true;
}

void Reports::statisticsPage(ReportWriter& page) {
    page.pageFrameOpen(6);
    const auto summary = [&] {
        page.titleBar(QStringLiteral("所有房间的汇总表"),
                      QStringLiteral(" ［面积：") + areaText(s_.bill.area()) +
                          QStringLiteral("平方米］"),
                      QStringLiteral("90%"));
        projectTable(page);
    };
    if (!page.specialLayout()) {
        summary();
    }
    if (s_.project.room_list.size() > 1) {
        for (const RoomEntry& entry : s_.project.room_list) {
            TRoom_OBJ& room = *entry.room;
            page.titleBar(room.getName(), QStringLiteral("［面积：") + areaText(room.roomArea()) +
                                              QStringLiteral("平方米］"));
            roomTable(page, room);
        }
    }
    if (page.specialLayout()) {
        summary();
        page.append(QStringLiteral(
            "<tr><td>\n<table width=\"90%\" border=\"0\" align=\"center\" cellpadding=\"3\" "
            "cellspacing=\"0\"><tr>"
            "<td width=\"12%\" class=\"tbox01b\">优惠折扣</td>"
            "<td width=\"20%\" class=\"tbox01\">&nbsp;</td>"
            "<td width=\"12%\" class=\"tbox01\">实收金额</td>"
            "<td class=\"tbox01\">大写:____万____仟____佰____拾____圆____角____分   "
            "小写:￥____________</td></tr></table>\n</td></tr>\n"));
    }
    page.pageFrameClose();
}
