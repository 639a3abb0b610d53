#include "autosave_fixture.h"

#include <QDir>
#include <QFile>

void AutosaveTest::editAndCopy(Autosaver& autosaver, const TRoom_OBJ* active) {
    now += 1000;
    autosaver.userInputAt(now, active);
    now += AutosaveScheduler::QuietMs;
    autosaver.tickAt(now);
    autosaver.finishWrite();
}

QString AutosaveTest::leaveBehind(const Autosaver& autosaver, const QString& name) {
    const QString left = QDir(recoveryFolder()).filePath(name);
    EXPECT_TRUE(QFile::copy(autosaver.path(), left)) << name.toStdString();
    return left;
}

void AutosaveTest::togglePanel(TRoom_OBJ& room) {
    const GridCell cell = *room.cellOfPoint({room.roomBox.minX + 50, room.roomBox.minY + 50});
    const bool changed =
        room.cell(cell.column, cell.row) >= 0 ? room.removePanel(cell) : room.placePanel(cell, 0);
    ASSERT_TRUE(changed);
}
