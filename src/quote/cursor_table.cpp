#include "quote/cursor_table.h"

#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QStringList>

#include <algorithm>

const std::vector<CursorFile>& cursorFiles() {
    static const std::vector<CursorFile> files{
        {1, "CURSOR/CUR_DrawRoom_Normal.ani"},
        {2, "CURSOR/CUR_DrawRoom_Pen.ani"},
        {3, "CURSOR/CUR_DrawRoom_OnWall.ani"},
        {4, "CURSOR/CUR_DrawRoom_OnPoint.ani"},
        {5, "CURSOR/CUR_DrawRoom_caifen.ani"},
        {6, "CURSOR/CUR_DrawRoom_MoveRoom.ani"},
        {7, "CURSOR/CUR_DrawRoom_MoveX.ani"},
        {8, "CURSOR/CUR_DrawRoom_MoveY.ani"},
        {20, "CURSOR/CUR_design_Fillkong.cur"},
        {21, "CURSOR/CUR_design_Fillrect.cur"},
        {22, "CURSOR/CUR_design_Fillx.cur"},
        {23, "CURSOR/CUR_design_Filly.cur"},
        {24, "CURSOR/CUR_design_pen.cur"},
        {25, "CURSOR/CUR_DrawRoom_replace.cur"},
        {26, "CURSOR/CUR_design_brush.cur"},
        {27, "CURSOR/CUR_design_Swapnull.ani"},
        {28, "CURSOR/CUR_design_Swap.cur"},
        {29, "CURSOR/CUR_design_movepaper.ani"},
        {30, "CURSOR/CUR_design_movewall.cur"},
        {31, "CURSOR/CUR_design_del.cur"},
        {32, "CURSOR/CUR_busy.ani"},
    };
    return files;
}

QPoint CursorTable::parseHotspot(const QString& text, QSize size) {
    const QPoint centre(size.width() / 2, size.height() / 2);
    const QStringList parts = text.split(u',');
    if (parts.size() != 2) {
        return centre;
    }
    bool okX = false;
    bool okY = false;
    const int x = parts[0].trimmed().toInt(&okX);
    const int y = parts[1].trimmed().toInt(&okY);
    if (!okX || !okY) {
        return centre;
    }
    return {std::clamp(x, 0, std::max(0, size.width() - 1)),
            std::clamp(y, 0, std::max(0, size.height() - 1))};
}

void CursorTable::load(const QString& programFolder) {
    loaded_.clear();
    for (const CursorFile& f : cursorFiles()) {
        QImageReader reader(programFolder + u'/' + QString::fromUtf8(f.file));
        reader.setDecideFormatFromContent(true);
        const QString hotspot = reader.text(QStringLiteral("hotspot"));
        const QImage image = reader.read();
        if (image.isNull()) {
            continue;
        }
        const QPoint h = parseHotspot(hotspot, image.size());
        loaded_.insert(f.slot, QCursor(QPixmap::fromImage(image), h.x(), h.y()));
    }
}

QCursor CursorTable::cursor(int slot) const {
    return loaded_.value(slot, QCursor(Qt::ArrowCursor));
}
