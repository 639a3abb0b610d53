// The bodies of the three pages: the current room, all design drawings, all statistics.

#include "core/rounding.h"
#include "core/troom_obj.h"
#include "platform/decimal_text.h"
#include "platform/prompts.h"
#include "quote/bill_of_materials.h"
#include "quote/open_project.h"
#include "quote/report_files.h"
#include "quote/reports.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QtConcurrent/QtConcurrentMap>

namespace {

// Room pictures are written at the best JPEG quality.
constexpr int PictureQuality = 100;
// A drawing on paper is printed 320 CSS pixels wide; drawn at twice that it stays sharp.
constexpr int PrintedDrawingWidth = 640;
// A room in 3D on paper, as wide as its drawing.
constexpr QSize PrintedPicture3D(PrintedDrawingWidth, PrintedDrawingWidth * 5 / 8);

// The size a JPEG file gives in its header.
QSize jpegSize(const QByteArray& jpeg) {
    QBuffer buffer;
    buffer.setData(jpeg);
    return QImageReader(&buffer, "JPEG").size();
}

QString areaText(double squareMetres) {
    return decimalText(double(rounding::halfEven64(squareMetres * 100)) / 100);
}

} // namespace

bool Reports::currentRoomPage(ReportWriter& page, TRoom_OBJ& room, const QString& folder) {
    const int index = s_.project.indexOf(&room);
    const QString pictureName =
        report_files::roomPictureName(s_.project.customer.name, index, room.getName());
    const std::vector<RoomJpeg> jpeg = *s_.project.pictures().jpegs(
        roomVersions({&room}), PictureQuality, [](int) { return true; });
    if (!jpeg.front() || !writePictures(folder, {pictureName}, jpeg)) {
        return false;
    }
    const QSize shown = report_files::shownPictureSize(jpegSize(*jpeg.front()));
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

bool Reports::writePictures(const QString& folder, const std::vector<QString>& names,
                            const std::vector<RoomJpeg>& jpegs) {
    std::vector<int> written;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (jpegs[i]) {
            written.push_back(int(i));
        }
    }
    const std::vector<QString> problems = QtConcurrent::blockingMapped(written, [&](int i) {
        return report_files::writeWholeOrProblem(QDir(folder).filePath(names[std::size_t(i)]),
                                                 *jpegs[std::size_t(i)]);
    });
    for (const QString& problem : problems) {
        if (!problem.isEmpty()) {
            s_.prompts.message(problem);
            return false;
        }
    }
    return true;
}

// Two rooms to a row: a row opens before each room of even index and closes after each
// of odd index; a last room alone closes its row too. The pictures are made first, all
// at once; on paper they are drawn at the size they are printed at and no file is written.
bool Reports::drawingsPage(ReportWriter& page, const QString& folder, bool paper,
                           ProgressScope& progress) {
    std::vector<TRoom_OBJ*> rooms;
    std::vector<QString> names;
    for (const RoomEntry& entry : s_.project.room_list) {
        names.push_back(report_files::roomPictureName(s_.project.customer.name, int(rooms.size()),
                                                      entry.room->getName()));
        rooms.push_back(entry.room.get());
    }
    const std::vector<RoomVersion> states = roomVersions(rooms);
    const auto advance = [&progress](int done) { return progress.advance(done); };
    RoomPictures& pictures = s_.project.pictures();
    std::vector<RoomJpeg> jpegs(rooms.size());
    std::vector<QImage> printed(rooms.size());
    if (paper) {
        std::optional<std::vector<QImage>> drawn =
            pictures.printed(states, PrintedDrawingWidth, advance);
        if (!drawn) {
            return false;
        }
        printed = std::move(*drawn);
    } else {
        std::optional<std::vector<RoomJpeg>> drawn =
            pictures.jpegs(states, PictureQuality, advance);
        if (!drawn || !writePictures(folder, names, *drawn)) {
            return false;
        }
        jpegs = std::move(*drawn);
    }
    // On paper each room's 3D picture follows its plan, drawn here on the user's thread.
    std::vector<QImage> inThreeD;
    if (paper && roomPicture3D) {
        for (std::size_t i = 0; i < rooms.size(); ++i) {
            inThreeD.push_back(roomPicture3D(int(i), PrintedPicture3D));
        }
    }
    page.pageFrameOpen(10, true);
    for (std::size_t i = 0; i < rooms.size(); ++i) {
        const bool shown = paper ? !printed[i].isNull() : jpegs[i].has_value();
        page.drawing(rooms[i]->getName(), shown ? names[i] : QString(), printed[i],
                     inThreeD.empty() ? nullptr : &inThreeD[i], i % 2 == 0,
                     i % 2 == 1 || i + 1 == rooms.size());
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
        page.discountRow();
    }
    page.pageFrameClose();
}
