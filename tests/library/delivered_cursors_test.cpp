#include "delivered_library.h"

#include "catalogue/program_data.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QSet>

namespace {

// The cursor files the start-up loads, by their fixed names.
const QStringList CursorNames = {
    "CUR_DrawRoom_Normal.ani",  "CUR_DrawRoom_Pen.ani",     "CUR_DrawRoom_OnWall.ani",
    "CUR_DrawRoom_OnPoint.ani", "CUR_DrawRoom_caifen.ani",  "CUR_DrawRoom_MoveRoom.ani",
    "CUR_DrawRoom_MoveX.ani",   "CUR_DrawRoom_MoveY.ani",   "CUR_design_Fillkong.cur",
    "CUR_design_Fillrect.cur",  "CUR_design_Fillx.cur",     "CUR_design_Filly.cur",
    "CUR_design_pen.cur",       "CUR_DrawRoom_replace.cur", "CUR_design_brush.cur",
    "CUR_design_Swapnull.ani",  "CUR_design_Swap.cur",      "CUR_design_movepaper.ani",
    "CUR_design_movewall.cur",  "CUR_design_del.cur",       "CUR_busy.ani"};

} // namespace

using DeliveredCursors = DeliveredLibrary;

TEST_F(DeliveredCursors, EveryCursorFileIsAPngWithItsHotspot) {
    const QDir dir(program_data::cursorFolder(folder()));
    EXPECT_EQ(QSet<QString>(CursorNames.begin(), CursorNames.end()), [&] {
        const QStringList files = dir.entryList(QDir::Files);
        return QSet<QString>(files.begin(), files.end());
    }()) << "exactly the expected files";
    QSet<QByteArray> pictures;
    for (const QString& name : CursorNames) {
        QImageReader reader(dir.filePath(name));
        reader.setDecideFormatFromContent(true);
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << name.toStdString();
        EXPECT_EQ(image.size(), QSize(32, 32)) << name.toStdString();
        ASSERT_TRUE(image.hasAlphaChannel()) << name.toStdString();

        const QStringList hotspot = image.text("hotspot").split(u',');
        ASSERT_EQ(hotspot.size(), 2) << name.toStdString();
        bool okX = false, okY = false;
        const QPoint at(hotspot[0].toInt(&okX), hotspot[1].toInt(&okY));
        ASSERT_TRUE(okX && okY && image.rect().contains(at)) << name.toStdString();
        // The hotspot lies on the drawn shape (or right beside it).
        int opaqueNear = 0;
        for (int dy = -2; dy <= 2; ++dy) {
            for (int dx = -2; dx <= 2; ++dx) {
                const QPoint p = at + QPoint(dx, dy);
                opaqueNear += image.rect().contains(p) && qAlpha(image.pixel(p)) > 128;
            }
        }
        EXPECT_GT(opaqueNear, 0) << name.toStdString();

        int transparent = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                transparent += qAlpha(image.pixel(x, y)) == 0;
            }
        }
        EXPECT_GT(transparent, 32 * 32 / 4) << name.toStdString() << " has a see-through ground";
        EXPECT_LT(transparent, 32 * 32 - 40) << name.toStdString() << " shows a shape";

        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_TRUE(bytes.startsWith("\x89PNG\r\n\x1a\n")) << name.toStdString();
        pictures.insert(bytes);
    }
    EXPECT_EQ(pictures.size(), CursorNames.size()) << "every use has its own shape";
}
