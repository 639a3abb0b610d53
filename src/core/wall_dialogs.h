#pragma once

#include <QString>

#include <optional>

// The corner split: the two sides of the notch in mm.
struct CornerSplitSizes {
    int a = 0;
    int b = 0;
};

// The wall split: A from one end, B from the other, C the recess depth, all in mm.
struct WallSplitSizes {
    int a = 0;
    int b = 0;
    int c = 0;
};

// What the room mode dialog starts with.
struct ModeChangeSetup {
    QString name;
    int roomMode = 0;
    bool sizesEnabled = false; // scope, numbers and boxes
    bool widthBoxEnabled = false;
    bool heightBoxEnabled = false;
    int width = 300; // mm
    int height = 300;
};

// What the room mode dialog returns on "确定".
struct ModeChangeChoice {
    QString name;
    int scope = 0; // 0 the current row/column, 1 all, 2 every second one
    int roomMode = 0;
    bool widthChecked = false;
    int width = 300; // mm
    bool heightChecked = false;
    int height = 300;
};

// The dialogs that feed the wall tools and the room mode change. The program shows its
// windows behind it; tests script the answers. Nothing means cancelled.
class WallDialogs {
public:
    virtual ~WallDialogs() = default;

    // "拆分墙角": A at most maxA cm, B at most maxB cm, at least 5 cm each.
    virtual std::optional<CornerSplitSizes> askCornerSplit(int maxA, int maxB) = 0;
    // "拆分墙面": A at most maxA cm, every length at least 5 cm.
    virtual std::optional<WallSplitSizes> askWallSplit(int maxA) = 0;
    // "更改房间模式".
    virtual std::optional<ModeChangeChoice> askModeChange(const ModeChangeSetup& setup) = 0;
};
