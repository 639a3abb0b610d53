#pragma once

#include "platform/profile_file.h"

#include <QString>
#include <QStringList>

// The widget skins: Qt style sheets "*.qss" in the folder "skins", and the choice kept
// in "ini.ini" (section "setup": "useskin", "skin" = the skin's 1-based position).
class SkinChoice {
public:
    explicit SkinChoice(const QString& programFolder);

    // Skin names (file names without ".qss"), sorted.
    const QStringList& skins() const { return skins_; }
    QString styleSheetPath(int position) const;

    // The stored choice: a position below 1 or beyond the list picks the first.
    int storedPosition() const;
    bool storedUseSkin() const;

    // Remembers `position` as the skin in use ("useskin" on). Returns false when the
    // file could not be written.
    bool remember(int position);

    // The style sheet text of the skin at `position`; empty when it cannot be read.
    QString styleSheet(int position) const;

private:
    QString folder_;
    QStringList skins_;
    ProfileFile ini_;
};
