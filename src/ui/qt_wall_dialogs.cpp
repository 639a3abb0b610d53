#include "ui/qt_wall_dialogs.h"

#include "ui/tcaifenfm.h"
#include "ui/tcaifenfm2.h"
#include "ui/tinputwhfm.h"

#include <QWidget>

QtWallDialogs::QtWallDialogs(QWidget* parent)
    : QObject(parent), wallSplit_(new Tcaifenfm(parent)), cornerSplit_(new Tcaifenfm2(parent)),
      modeChange_(new TINputWHFM(parent)) {}

std::optional<CornerSplitSizes> QtWallDialogs::askCornerSplit(int maxA, int maxB) {
    return cornerSplit_->ask(maxA, maxB);
}

std::optional<WallSplitSizes> QtWallDialogs::askWallSplit(int maxA) {
    return wallSplit_->ask(maxA);
}

std::optional<ModeChangeChoice> QtWallDialogs::askModeChange(const ModeChangeSetup& setup) {
    return modeChange_->ask(setup);
}
