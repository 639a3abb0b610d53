#pragma once

#include "platform/prompts.h"

#include <QStringList>
#include <QVariant>

#include <algorithm>

#include <deque>

// Prompts for tests: answers are queued in order and every text shown is recorded.
// A question without a queued answer gets the cautious answer (no, cancel, nothing)
// and is recorded in `unanswered`.
class ScriptedPrompts : public Prompts {
public:
    // What each call showed, in order, e.g. "message:墙面点信息读取错误!".
    QStringList shown;
    QStringList unanswered;
    // The caption of each captioned message, in order.
    QStringList captions;

    void answerConfirm(bool yes) { answers_.push_back(yes); }
    void answerThreeWay(ThreeWay answer) { answers_.push_back(int(answer)); }
    void answerText(const QString& text) { answers_.push_back(text); }
    void answerNumber(double value) { answers_.push_back(value); }
    void answerPath(const QString& path) { answers_.push_back(path); }
    // An empty QVariant cancels the next input or choice.
    void answerCancel() { answers_.push_back(QVariant()); }

    // The texts of all message boxes shown.
    QStringList messages() const;

    void message(const QString& text) override;
    bool confirm(const QString& text) override;
    // Recorded as a message; the caption goes to `captions`.
    void captionedMessage(const QString& caption, const QString& text) override;
    bool askYesNo(const QString& caption, const QString& text) override;
    ThreeWay askThreeWay(const QString& text) override;
    std::optional<QString> inputText(const QString& caption, const QString& prompt,
                                     const QString& text) override;
    std::optional<double> inputNumber(const QString& caption, const QString& prompt, double value,
                                      double minimum, double maximum, int decimals) override;
    QString chooseOpenFile(const QString& caption, const QString& folder,
                           const QString& filter) override;
    QString chooseSaveFile(const QString& caption, const QString& proposedPath,
                           const QString& filter) override;
    QString chooseFolder(const QString& caption, const QString& folder) override;
    // The save dialog's answer, its tick box left as `ticks` says.
    QString chooseSaveFileWithTick(const QString& caption, const QString& proposedPath,
                                   const QString& filter, const QString& tick,
                                   bool& ticked) override;
    bool ticks = false;

private:
    // The next queued answer; invalid when none is queued.
    QVariant next(const QString& record);

    std::deque<QVariant> answers_;
};
