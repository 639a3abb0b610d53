#pragma once

#include <QByteArray>

class QCoreApplication;

// Qt formats the dates, numbers and file sizes of its own dialogs with the system
// locale, which it reads from the environment while the application object is made.
// Made before that object, this makes the system locale Chinese; `release` after it
// gives the environment back and the C library the user's locale again, so that the
// programs started from here keep the user's settings.
class ChineseSystemLocale {
public:
    ChineseSystemLocale();
    void release();

private:
    QByteArray saved_;
    bool wasSet_;
};

// Qt's own Chinese translations, so that standard buttons and file dialogs speak the
// program's language, and Chinese as the default locale. Returns false when the
// translation file is not installed.
bool installChineseTranslations(QCoreApplication& app);

// Icons for Qt's own dialogs on a desktop that configures no icon theme (or only the
// bare hicolor one): the installed Adwaita theme fills in.
void useIconTheme();
