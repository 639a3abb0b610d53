#pragma once

#include "core/wall_dialogs.h"

#include <optional>

// Wall dialogs whose room mode dialog records what it was shown and gives a scripted
// answer; the split dialogs are cancelled.
class ScriptedModeDialog : public WallDialogs {
public:
    std::optional<CornerSplitSizes> askCornerSplit(int, int) override { return std::nullopt; }
    std::optional<WallSplitSizes> askWallSplit(int) override { return std::nullopt; }
    std::optional<ModeChangeChoice> askModeChange(const ModeChangeSetup& s) override {
        setup = s;
        ++asked;
        return answer;
    }

    std::optional<ModeChangeChoice> answer;
    ModeChangeSetup setup;
    int asked = 0;
};
