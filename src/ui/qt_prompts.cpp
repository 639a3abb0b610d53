#include "ui/qt_prompts.h"

#include "ui/question_windows.h"
#include "ui/tinputnumberfm.h"
#include "ui/tinputstrfm.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QLayout>
#include <QRegularExpression>

QtPrompts::QtPrompts(QWidget* parent) : parent_(parent) {}

QtPrompts::~QtPrompts() {
    // Windows without a parent are owned here.
    for (QDialog* d :
         std::initializer_list<QDialog*>{msg_, dialog1_, dlg2_, inputStr_, inputNumber_}) {
        if (d && !d->parent()) {
            delete d;
        }
    }
}

void QtPrompts::setParent(QWidget* parent) {
    parent_ = parent;
}

QWidget* QtPrompts::asker() const {
    for (QWidget* active : {QApplication::activeModalWidget(), QApplication::activeWindow()}) {
        // A question that has just closed may still count as active: its window asked it.
        while (active && !active->isVisible()) {
            active = active->parentWidget() ? active->parentWidget()->window() : nullptr;
        }
        if (active && active->windowType() != Qt::SplashScreen) {
            return active;
        }
    }
    return parent_;
}

template <class Window> Window& QtPrompts::window(QPointer<Window>& slot) {
    if (!slot) {
        slot = new Window(parent_);
    }
    if (QWidget* owner = asker(); owner && owner != slot && slot->parentWidget() != owner) {
        slot->setParent(owner, slot->windowFlags());
    }
    return *slot;
}

void QtPrompts::aboutToShow() {
    if (beforeShow_) {
        beforeShow_();
    }
}

Tmsgfm& QtPrompts::msgfm() {
    return window(msg_);
}
TDIALOG1FM& QtPrompts::dialog1fm() {
    return window(dialog1_);
}
Tdlgfm2& QtPrompts::dlgfm2() {
    return window(dlg2_);
}
Tinputstrfm& QtPrompts::inputstrfm() {
    return window(inputStr_);
}
TINputNumberFM& QtPrompts::inputNumberfm() {
    return window(inputNumber_);
}

void QtPrompts::message(const QString& text) {
    aboutToShow();
    msgfm().ask(text);
}

bool QtPrompts::confirm(const QString& text) {
    aboutToShow();
    return dialog1fm().ask(text) == 1;
}

void QtPrompts::captionedMessage(const QString& caption, const QString& text) {
    aboutToShow();
    Tmsgfm window(asker());
    window.setWindowTitle(caption);
    window.ask(text);
}

bool QtPrompts::askYesNo(const QString& caption, const QString& text) {
    aboutToShow();
    YesNoWindow window(caption, asker());
    return window.ask(text) == 1;
}

Prompts::ThreeWay QtPrompts::askThreeWay(const QString& text) {
    aboutToShow();
    switch (dlgfm2().ask(text)) {
    case 1:
        return Yes;
    case 2:
        return No;
    default:
        return Cancel;
    }
}

std::optional<QString> QtPrompts::inputText(const QString& caption, const QString& prompt,
                                            const QString& text) {
    aboutToShow();
    return inputstrfm().ask(caption, prompt, text);
}

std::optional<double> QtPrompts::inputNumber(const QString& caption, const QString& prompt,
                                             double value, double minimum, double maximum,
                                             int decimals) {
    aboutToShow();
    return inputNumberfm().ask(caption, prompt, value, minimum, maximum, decimals);
}

QString QtPrompts::chooseOpenFile(const QString& caption, const QString& folder,
                                  const QString& filter) {
    aboutToShow();
    return QFileDialog::getOpenFileName(asker(), caption, folder, toQtFileFilter(filter));
}

QString QtPrompts::chooseSaveFileWithTick(const QString& caption, const QString& proposedPath,
                                          const QString& filter, const QString& tick,
                                          bool& ticked) {
    aboutToShow();
    QFileDialog dialog(asker(), caption, proposedPath, toQtFileFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix(filter));
    // The platform's own dialog takes no widgets of the program.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto* box = new QCheckBox(tick, &dialog);
    box->setObjectName(QStringLiteral("saveTick"));
    box->setChecked(ticked);
    dialog.layout()->addWidget(box);
    if (!proposedPath.isEmpty()) {
        dialog.selectFile(proposedPath);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    ticked = box->isChecked();
    return dialog.selectedFiles().first();
}

QString QtPrompts::chooseSaveFile(const QString& caption, const QString& proposedPath,
                                  const QString& filter) {
    aboutToShow();
    QFileDialog dialog(asker(), caption, proposedPath, toQtFileFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix(filter));
    if (!proposedPath.isEmpty()) {
        dialog.selectFile(proposedPath);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().first();
}

QString QtPrompts::chooseFolder(const QString& caption, const QString& folder) {
    aboutToShow();
    return QFileDialog::getExistingDirectory(asker(), caption, folder);
}

QString defaultSuffix(const QString& pipeFilter) {
    static const QRegularExpression firstPattern(QStringLiteral(R"(\|\s*\*\.(\w+))"));
    const QRegularExpressionMatch m = firstPattern.match(pipeFilter);
    return m.hasMatch() ? m.captured(1) : QString();
}
