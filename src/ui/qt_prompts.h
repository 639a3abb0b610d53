#pragma once

#include "platform/prompts.h"

#include <QPointer>

#include <functional>

class QWidget;
class Tmsgfm;
class TDIALOG1FM;
class Tdlgfm2;
class Tinputstrfm;
class TINputNumberFM;

// The shared modal windows behind the Prompts interface. Each window is created once,
// by createWindow order at start or on its first use, whichever comes first.
class QtPrompts : public Prompts {
public:
    explicit QtPrompts(QWidget* parent = nullptr);
    ~QtPrompts() override;

    // The parent of the windows (the main window, once it exists).
    void setParent(QWidget* parent);
    // Runs before any window shows (the start hides its splash window).
    void setBeforeShow(std::function<void()> beforeShow) { beforeShow_ = std::move(beforeShow); }

    Tmsgfm& msgfm();
    TDIALOG1FM& dialog1fm();
    Tdlgfm2& dlgfm2();
    Tinputstrfm& inputstrfm();
    TINputNumberFM& inputNumberfm();

    void message(const QString& text) override;
    bool confirm(const QString& text) override;
    void captionedMessage(const QString& caption, const QString& text) override;
    bool askYesNo(const QString& caption, const QString& text) override;
    ThreeWay askThreeWay(const QString& text) override;
    std::optional<QString> inputText(const QString& caption, const QString& prompt,
                                     const QString& text) override;
    std::optional<double> inputNumber(const QString& caption, const QString& prompt, double value,
                                      double minimum, double maximum, int decimals) override;
    QString chooseOpenFile(const QString& caption, const QString& folder,
                           const QString& filter) override;
    QString chooseSaveFileWithTick(const QString& caption, const QString& proposedPath,
                                   const QString& filter, const QString& tick,
                                   bool& ticked) override;
    QString chooseSaveFile(const QString& caption, const QString& proposedPath,
                           const QString& filter) override;
    QString chooseFolder(const QString& caption, const QString& folder) override;

private:
    // The window that asks (the active one, else the main window) owns the question, so
    // that closing it gives the focus back to that window and leaves it above its parent.
    QWidget* asker() const;
    template <class Window> Window& window(QPointer<Window>& slot);
    void aboutToShow();

    QWidget* parent_;
    std::function<void()> beforeShow_;
    QPointer<Tmsgfm> msg_;
    QPointer<TDIALOG1FM> dialog1_;
    QPointer<Tdlgfm2> dlg2_;
    QPointer<Tinputstrfm> inputStr_;
    QPointer<TINputNumberFM> inputNumber_;
};

// The first pattern's extension of a "desc|*.ext" filter ("zpk"), or empty.
QString defaultSuffix(const QString& pipeFilter);
