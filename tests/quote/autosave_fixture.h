#pragma once

#include "project_fixture.h"
#include "quote/autosaver.h"

// A program folder with an open project that is copied automatically into
// "数据文件/恢复", driven by a clock of the test's own.
class AutosaveTest : public ProjectTest {
protected:
    QString recoveryFolder() const { return home.file(QStringLiteral("数据文件/恢复")); }
    QString backupFolder() const { return home.file(QStringLiteral("备份文件")); }

    // An edit of the active room, then the pause after which the copy is written.
    void editAndCopy(Autosaver& autosaver, const TRoom_OBJ* active);
    // The copy as a program that was killed would leave it: under a name of its own, without
    // a lock. Returns the new path.
    QString leaveBehind(const Autosaver& autosaver, const QString& name);

    // Places or takes out the panel of the room's first cell.
    static void togglePanel(TRoom_OBJ& room);

    qint64 now = 0;
};
