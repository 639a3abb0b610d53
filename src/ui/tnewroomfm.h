#pragma once

#include "core/room_creation.h"

#include <QDialog>

#include <optional>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QSpinBox;
class SetupFile;
struct NewRoomDefaults;

// "新房间": name, room mode, cell size in mm and the optional rectangular walls in cm.
class TNewRoomFM : public QDialog {
public:
    TNewRoomFM(const NewRoomDefaults& defaults, QWidget* parent = nullptr);

    // The initial values, from the settings.
    void setDefaults(const NewRoomDefaults& defaults);
    // The room to create; strip free mode on, 0 x 0 walls when the box is clear.
    NewRoomRequest values() const;
    std::optional<NewRoomRequest> ask();
    // The current cell size, rectangle size and mode into the settings ("gw", "gh",
    // "roomw", "roomh", "roomstyle"): when a room is created from them, so that the
    // settings window, which pushes the stored values back into this dialog, keeps them,
    // and at program end (`FormDestroy`).
    void writeDefaults(SetupFile& setup) const;
    void FormDestroy(SetupFile& setup) const { writeDefaults(setup); }

private:
    // The mode decides which cell sizes may be given.
    void modeChanged();

    QLineEdit* name_;
    QButtonGroup* mode_;
    QSpinBox* cellWidth_;
    QSpinBox* cellHeight_;
    QCheckBox* withWalls_;
    QSpinBox* roomWidth_;
    QSpinBox* roomHeight_;
};
