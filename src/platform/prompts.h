#pragma once

#include <QString>

#include <optional>

// The one way model code asks the user anything. The program shows the shared modal
// windows behind it; tests use a scripted implementation that records every text.
class Prompts {
public:
    // Answers of the three-way question.
    enum ThreeWay { Cancel = 0, Yes = 1, No = 2 };

    virtual ~Prompts() = default;

    // Message box: one text, "确定".
    virtual void message(const QString& text) = 0;
    // Confirmation: "确定" gives true, "取消" false.
    virtual bool confirm(const QString& text) = 0;
    // A message or a question with "是" and "否" under a caption of its own instead of
    // the shared windows' "提示信息".
    virtual void captionedMessage(const QString& caption, const QString& text) {
        Q_UNUSED(caption);
        message(text);
    }
    virtual bool askYesNo(const QString& caption, const QString& text) {
        Q_UNUSED(caption);
        return confirm(text);
    }
    // Three-way question: "是", "否", "取消" (closing the window is "取消").
    virtual ThreeWay askThreeWay(const QString& text) = 0;
    // Text input: the trimmed text on "确定", nothing on "取消".
    virtual std::optional<QString> inputText(const QString& caption, const QString& prompt,
                                             const QString& text) = 0;
    // Number input within [minimum, maximum].
    virtual std::optional<double> inputNumber(const QString& caption, const QString& prompt,
                                              double value, double minimum, double maximum,
                                              int decimals) = 0;
    // File and folder choice; an empty text when the user cancels. Filters are written
    // "description|pattern|description|pattern".
    virtual QString chooseOpenFile(const QString& caption, const QString& folder,
                                   const QString& filter) = 0;
    virtual QString chooseSaveFile(const QString& caption, const QString& proposedPath,
                                   const QString& filter) = 0;
    virtual QString chooseFolder(const QString& caption, const QString& folder) = 0;
    // A save dialog with one tick box `tick`, which starts as `ticked` and is left as the
    // user left it. Without a box of its own it is the plain save dialog.
    virtual QString chooseSaveFileWithTick(const QString& caption, const QString& proposedPath,
                                           const QString& filter, const QString& /*tick*/,
                                           bool& /*ticked*/) {
        return chooseSaveFile(caption, proposedPath, filter);
    }
};

// "jpeg (*.jpg)|*.jpg" becomes "jpeg (*.jpg)" (Qt's ";;"-separated filter form).
QString toQtFileFilter(const QString& pipeFilter);
