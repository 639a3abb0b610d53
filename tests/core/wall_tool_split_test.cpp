#include "core/troom_obj.h"
#include "core/wall_dialogs.h"
#include "core/wall_split.h"

#include "fake_canvas.h"
#include "support/scripted_prompts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <tuple>

// Corner and wall splits, the wall popup and openings, at zoom 10 with the plan's origin
// on the canvas origin (1 pixel = 1 cm).

namespace {

class ScriptedSplits : public WallDialogs {
public:
    std::optional<CornerSplitSizes> askCornerSplit(int maxA, int maxB) override {
        cornerLimits = {maxA, maxB};
        return take(corners);
    }
    std::optional<WallSplitSizes> askWallSplit(int maxA) override {
        wallLimit = maxA;
        return take(walls);
    }
    std::optional<ModeChangeChoice> askModeChange(const ModeChangeSetup&) override {
        return std::nullopt;
    }

    std::deque<std::optional<CornerSplitSizes>> corners;
    std::deque<std::optional<WallSplitSizes>> walls;
    QPoint cornerLimits;
    int wallLimit = 0;

private:
    template <typename T> static std::optional<T> take(std::deque<std::optional<T>>& queue) {
        if (queue.empty()) {
            return std::nullopt;
        }
        std::optional<T> answer = queue.front();
        queue.pop_front();
        return answer;
    }
};

// Answers as the number box does: within the limits asked, to the decimals asked; the
// limits of the last number asked are kept.
class NumberBoxPrompts : public ScriptedPrompts {
public:
    std::optional<double> inputNumber(const QString& caption, const QString& prompt, double value,
                                      double minimum, double maximum, int decimals) override {
        limits = {minimum, maximum, decimals};
        const std::optional<double> answer =
            ScriptedPrompts::inputNumber(caption, prompt, value, minimum, maximum, decimals);
        if (!answer) {
            return answer;
        }
        const double scale = std::pow(10.0, decimals);
        return std::round(*answer * scale) / scale;
    }

    std::tuple<double, double, int> limits;
};

class WallSplit : public ::testing::Test {
protected:
    WallSplit() : canvas(1400, 1300) {
        RoomContext context = canvasContext(&canvas);
        context.prompts = &prompts;
        room = std::make_unique<TRoom_OBJ>(context, 300, 300, SquarePanelRoom, true);
        room->wallDialogs = &dialogs;
        room->wall.setOrigin({0, 0});
        room->snapRulerX = false;
        room->snapRulerY = false;
        room->wall.setOutline({{800, 900}, {1200, 900}, {1200, 1100}, {800, 1100}}, {});
        room->setTool(ToolEditWalls);
    }

    void press(QPoint p) {
        room->pointerMove(p, Qt::NoModifier);
        room->pointerPress(p, Qt::LeftButton, Qt::NoModifier);
        room->pointerRelease(p, Qt::LeftButton, Qt::NoModifier);
    }
    // Opens the wall popup at p and chooses the entry with the caption.
    void choose(QPoint p, const QString& caption) {
        room->pointerMove(p, Qt::NoModifier);
        room->popupRequested(p);
        for (MenuItem& item : room->wallPopup.items) {
            for (MenuItem& sub : item.items) {
                if (sub.caption == caption) {
                    sub.onChosen();
                    return;
                }
            }
            if (item.caption == caption) {
                ASSERT_TRUE(item.enabled) << caption.toStdString();
                item.onChosen();
                return;
            }
        }
        FAIL() << "no entry " << caption.toStdString();
    }
    const MenuItem& entry(int index) const { return room->wallPopup.items.at(index); }

    FakeCanvas canvas;
    NumberBoxPrompts prompts;
    ScriptedSplits dialogs;
    std::unique_ptr<TRoom_OBJ> room;
};

} // namespace

TEST_F(WallSplit, AFourHundredCentimetreWallGetsARecessOnItsLeft) {
    room->editMode = EditSplitWalls;
    dialogs.walls.push_back(WallSplitSizes{1000, 1000, 500});
    const std::size_t steps = room->undoList.size();
    press({1000, 900});
    EXPECT_EQ(dialogs.wallLimit, 400);
    EXPECT_EQ(room->wall.corners(), (QList<QPoint>{{800, 900},
                                                   {900, 900},
                                                   {900, 850},
                                                   {1100, 850},
                                                   {1100, 900},
                                                   {1200, 900},
                                                   {1200, 1100},
                                                   {800, 1100}}));
    EXPECT_EQ(room->editMode, EditAdjustWalls);
    EXPECT_EQ(room->tool, ToolEditWalls);
    EXPECT_EQ(room->undoList.size(), steps + 1);
}

TEST_F(WallSplit, AIsMeasuredFromTheLeftEndOnAWallDrawnRightToLeft) {
    room->editMode = EditSplitWalls;
    dialogs.walls.push_back(WallSplitSizes{1000, 500, 300});
    press({1000, 1100});
    EXPECT_EQ(room->wall.corners(), (QList<QPoint>{{800, 900},
                                                   {1200, 900},
                                                   {1200, 1100},
                                                   {1150, 1100},
                                                   {1150, 1130},
                                                   {900, 1130},
                                                   {900, 1100},
                                                   {800, 1100}}));
}

TEST_F(WallSplit, TheClosingWallIsSplitByAppending) {
    room->editMode = EditSplitWalls;
    dialogs.walls.push_back(WallSplitSizes{500, 500, 200});
    press({800, 1000});
    EXPECT_EQ(room->wall.pointCount(), 8);
    EXPECT_EQ(room->wall.corner(4), QPoint(800, 1050));
    EXPECT_EQ(room->wall.corner(5), QPoint(780, 1050));
    EXPECT_EQ(room->wall.corner(7), QPoint(800, 950));
}

TEST_F(WallSplit, SplitsThatDoNotFitTheWallAreRefused) {
    room->editMode = EditSplitWalls;
    dialogs.walls.push_back(WallSplitSizes{3000, 1000, 500});
    press({1000, 900});
    EXPECT_EQ(room->wall.pointCount(), 4);
    EXPECT_EQ(prompts.messages(), QStringList{QStringLiteral("A长与B长之和必须小于墙面长度")});
    EXPECT_EQ(room->editMode, EditAdjustWalls);
}

TEST_F(WallSplit, ACancelledSplitReturnsToAdjustMode) {
    room->editMode = EditSplitWalls;
    dialogs.walls.push_back(std::nullopt);
    press({1000, 900});
    EXPECT_EQ(room->wall.pointCount(), 4);
    EXPECT_EQ(room->editMode, EditAdjustWalls);
    EXPECT_EQ(room->tool, ToolEditWalls);
}

TEST_F(WallSplit, AWallWithoutLengthReportsTheSplitError) {
    troom_Wall wall;
    wall.setOutline({{500, 500}, {500, 500}, {900, 900}}, {});
    const Recess recess = wallRecess(wall, 0, 1, 1000, 200, 200, 100);
    EXPECT_TRUE(recess.zeroLength);
    EXPECT_EQ(recess.points[1], recess.points[0]) << "the point stays unmoved";
}

TEST_F(WallSplit, ACornerIsNotchedFortyByThirty) {
    room->editMode = EditSplitWalls;
    dialogs.corners.push_back(CornerSplitSizes{400, 300});
    press({1200, 900});
    EXPECT_EQ(dialogs.cornerLimits, QPoint(400, 200));
    EXPECT_EQ(room->wall.corners(),
              (QList<QPoint>{
                  {800, 900}, {1160, 900}, {1160, 930}, {1200, 930}, {1200, 1100}, {800, 1100}}));
    EXPECT_EQ(room->editMode, EditAdjustWalls);
    EXPECT_EQ(room->tool, ToolEditWalls);
}

TEST_F(WallSplit, CornerZeroAndTheLastCornerAreNotchedToo) {
    room->editMode = EditSplitWalls;
    dialogs.corners.push_back(CornerSplitSizes{400, 300});
    press({800, 900});
    EXPECT_EQ(room->wall.corners(),
              (QList<QPoint>{
                  {840, 930}, {840, 900}, {1200, 900}, {1200, 1100}, {800, 1100}, {800, 930}}));
    room->editMode = EditSplitWalls;
    dialogs.corners.push_back(CornerSplitSizes{400, 300});
    press({800, 1100});
    EXPECT_EQ(room->wall.corners(), (QList<QPoint>{{840, 930},
                                                   {840, 900},
                                                   {1200, 900},
                                                   {1200, 1100},
                                                   {840, 1100},
                                                   {840, 1070},
                                                   {800, 1070},
                                                   {800, 930}}));
}

TEST_F(WallSplit, DeletingTheClosingWallDeletesTheLastCornerAndCornerZero) {
    const std::size_t steps = room->undoList.size();
    choose({800, 1000}, QStringLiteral("删除线"));
    EXPECT_EQ(room->wall.corners(), (QList<QPoint>{{1200, 900}, {1200, 1100}}));
    EXPECT_EQ(room->undoList.size(), steps + 1);
}

TEST_F(WallSplit, PopupEntriesFollowWhatIsUnderThePointer) {
    room->pointerMove({1000, 1000}, Qt::NoModifier);
    room->popupRequested({1000, 1000});
    ASSERT_EQ(canvas.shownPopup, &room->wallPopup);
    ASSERT_EQ(room->wallPopup.items.size(), 7u);
    const QStringList captions = {"插入节点", "删除节点", "删除线",  "设置圆弧",
                                  "插入",     "拆分墙面", "取消菜单"};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(entry(i).caption, captions[i]);
    }
    for (int i = 0; i < 5; ++i) {
        EXPECT_FALSE(entry(i).enabled) << i;
    }
    EXPECT_EQ(entry(4).items.at(0).caption, QStringLiteral("窗"));
    EXPECT_EQ(entry(4).items.at(0).tag, 1);
    EXPECT_EQ(entry(4).items.at(1).tag, 2);

    room->pointerMove({1200, 900}, Qt::NoModifier);
    room->popupRequested({1200, 900});
    EXPECT_TRUE(entry(1).enabled);
    EXPECT_TRUE(entry(3).enabled);
    EXPECT_TRUE(entry(0).enabled) << "the wall end lies under the pointer as well";
}

TEST_F(WallSplit, ArcsAreSetAndCleared) {
    room->wall.setKind(0, 3);
    choose({1200, 900}, QStringLiteral("设置圆弧"));
    EXPECT_TRUE(isArcApex(room->wall.kind(1)));
    EXPECT_EQ(room->wall.kind(0), PlainCorner) << "the neighbours become plain";
    room->popupRequested({1200, 900});
    EXPECT_EQ(entry(3).caption, QStringLiteral("取消圆弧"));
    choose({1200, 900}, QStringLiteral("取消圆弧"));
    EXPECT_EQ(room->wall.kind(1), PlainCorner);
}

TEST_F(WallSplit, CornersAreInsertedAndDeleted) {
    choose({1000, 904}, QStringLiteral("插入节点"));
    ASSERT_EQ(room->wall.pointCount(), 5);
    EXPECT_EQ(room->wall.corner(1), QPoint(1000, 900));
    choose({800, 1000}, QStringLiteral("插入节点"));
    EXPECT_EQ(room->wall.corner(0), QPoint(800, 1000)) << "the closing wall's point goes first";
    choose({1200, 1100}, QStringLiteral("删除节点"));
    EXPECT_EQ(room->wall.pointCount(), 5);
    EXPECT_FALSE(room->wall.corners().contains(QPoint(1200, 1100)));
}

TEST_F(WallSplit, AnEightyCentimetreDoorAtOneHundredCentimetres) {
    prompts.answerNumber(80);
    choose({900, 903}, QStringLiteral("门"));
    EXPECT_EQ(room->wall.corners(),
              (QList<QPoint>{
                  {800, 900}, {900, 900}, {980, 900}, {1200, 900}, {1200, 1100}, {800, 1100}}));
    EXPECT_EQ(room->wall.kinds(), (QList<quint8>{0, DoorEnd, DoorEnd, 0, 0, 0}));
    room->pointerMove({940, 900}, Qt::NoModifier);
    room->popupRequested({940, 900});
    EXPECT_EQ(entry(2).caption, QStringLiteral("删除门窗"));
    choose({940, 900}, QStringLiteral("删除门窗"));
    EXPECT_EQ(room->wall.pointCount(), 4);
}

TEST_F(WallSplit, OpeningWidthsAreDecimalCentimetresFromZero) {
    // At 2 pixels per cm a window 80.6 cm wide from the foot at 100 cm ends on the canvas
    // at 2 x 980.6 cm, 1961 pixels, which is 980 cm on the plan; 81 cm would end at 981.
    room->wall.setPaperWidth(4000);
    prompts.answerNumber(80.6);
    choose({1800, 1803}, QStringLiteral("窗"));
    const auto [minimum, maximum, decimals] = prompts.limits;
    EXPECT_EQ(minimum, 0);
    EXPECT_EQ(decimals, 2);
    EXPECT_GE(maximum, 2829) << "as wide as the longest wall the plan holds";
    ASSERT_EQ(room->wall.pointCount(), 6);
    EXPECT_EQ(room->wall.corner(1), QPoint(900, 900));
    EXPECT_EQ(room->wall.corner(2), QPoint(980, 900));
    EXPECT_EQ(room->wall.kinds(), (QList<quint8>{0, WindowEnd, WindowEnd, 0, 0, 0}));
}

TEST_F(WallSplit, AWindowThatPassesTheWallsEndIsRefused) {
    prompts.answerNumber(80);
    choose({1150, 903}, QStringLiteral("窗"));
    EXPECT_EQ(room->wall.pointCount(), 4);
    EXPECT_EQ(prompts.messages(), QStringList{QStringLiteral("门窗宽度超出墙面长度")});
}

TEST_F(WallSplit, TheSplitEntrySwitchesToSplitMode) {
    choose({1000, 1000}, QStringLiteral("拆分墙面"));
    EXPECT_EQ(room->editMode, EditSplitWalls);
    EXPECT_EQ(room->tool, ToolEditWalls);
}

TEST_F(WallSplit, ClearingTheWallsAsksFirst) {
    room->setName(QStringLiteral("客厅"));
    room->cell(3, 3) = 7;
    prompts.answerConfirm(false);
    EXPECT_FALSE(room->clearWalls());
    EXPECT_EQ(room->wall.pointCount(), 4);
    prompts.answerConfirm(true);
    EXPECT_TRUE(room->clearWalls());
    EXPECT_EQ(room->wall.pointCount(), 0);
    EXPECT_EQ(room->cell(3, 3), -1);
    EXPECT_EQ(room->columnWidth(3), 300) << "the sizes stay";
    EXPECT_TRUE(
        prompts.shown.contains(QStringLiteral("confirm:是否清除当前房间［客厅］ 的墙面信息?")));
}

TEST_F(WallSplit, ClearingInDesignModeAsksForTheProductsAndKeepsTheWalls) {
    room->setName(QStringLiteral("客厅"));
    room->editMode = EditDesign;
    room->setTool(FirstDesignTool);
    room->cell(30, 31) = 7;
    const std::size_t steps = room->undoList.size();
    prompts.answerConfirm(false);
    EXPECT_FALSE(room->clearWalls());
    EXPECT_EQ(room->cell(30, 31), 7);
    prompts.answerConfirm(true);
    EXPECT_TRUE(room->clearWalls());
    EXPECT_EQ(room->cell(30, 31), -1);
    EXPECT_EQ(room->wall.pointCount(), 4) << "the walls stay";
    EXPECT_EQ(room->undoList.size(), steps + 1);
    EXPECT_EQ(prompts.shown.count(QStringLiteral("confirm:是否清除当前房间［客厅］ 的所有产品?")),
              2);
}
