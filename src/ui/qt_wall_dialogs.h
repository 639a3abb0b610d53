#pragma once

#include "core/wall_dialogs.h"

#include <QObject>

class QWidget;
class TINputWHFM;
class Tcaifenfm;
class Tcaifenfm2;

// The wall and room mode dialogs as windows of the program, created once with the
// window that owns them.
class QtWallDialogs : public QObject, public WallDialogs {
public:
    explicit QtWallDialogs(QWidget* parent);

    std::optional<CornerSplitSizes> askCornerSplit(int maxA, int maxB) override;
    std::optional<WallSplitSizes> askWallSplit(int maxA) override;
    std::optional<ModeChangeChoice> askModeChange(const ModeChangeSetup& setup) override;

private:
    Tcaifenfm* wallSplit_;
    Tcaifenfm2* cornerSplit_;
    TINputWHFM* modeChange_;
};
