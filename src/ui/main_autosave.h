#pragma once

#include "quote/autosaver.h"

#include <QObject>

class QLabel;
class Tmainfm;
struct HeldSettings;

// The main window's side of the automatic copies: every press, key or wheel turn in the
// program may edit the active room, and the status bar tells of each copy.
class MainAutosave : public QObject {
public:
    // The copies go into `folder`.
    MainAutosave(Tmainfm& window, const HeldSettings& held, const QString& folder);
    ~MainAutosave() override;

    Autosaver& autosaver() { return autosaver_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Tmainfm& window_;
    Autosaver autosaver_;
    QLabel* status_;
};
