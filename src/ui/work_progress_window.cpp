#include "ui/work_progress_window.h"

#include <QCoreApplication>
#include <QProgressDialog>

#include <limits>

WindowProgress::WindowProgress(QWidget* window) : window_(window) {}

WindowProgress::~WindowProgress() = default;

void WindowProgress::begin(const QString& caption, int total, bool cancellable) {
    if (dialog_) {
        outer_.push_back({dialog_->labelText(), dialog_->maximum(), dialog_->value()});
        dialog_->setLabelText(caption);
        dialog_->setMaximum(std::max(total, 1));
        dialog_->setValue(0);
        return;
    }
    cancellable_ = cancellable;
    dialog_ = std::make_unique<QProgressDialog>(
        caption, cancellable ? QStringLiteral("取消") : QString(), 0, std::max(total, 1), window_);
    dialog_->setWindowTitle(caption);
    dialog_->setWindowModality(Qt::WindowModal);
    // Shown by advance() once the work has lasted long enough, not on the dialog's own guess.
    dialog_->setMinimumDuration(std::numeric_limits<int>::max());
    // Shown to the end; end() takes it away.
    dialog_->setAutoClose(false);
    dialog_->setAutoReset(false);
    if (!cancellable) {
        dialog_->setCancelButton(nullptr);
        dialog_->setWindowFlag(Qt::WindowCloseButtonHint, false);
    }
    dialog_->setValue(0);
    started_.start();
}

bool WindowProgress::advance(int done) {
    if (!dialog_) {
        return true;
    }
    if (dialog_->isHidden() && started_.elapsed() >= DelayMilliseconds) {
        dialog_->show();
    }
    dialog_->setValue(std::min(done, dialog_->maximum()));
    if (dialog_->isVisible()) {
        // Lets the window repaint and the cancel button be pressed.
        QCoreApplication::processEvents();
    }
    return !(cancellable_ && dialog_->wasCanceled());
}

void WindowProgress::end() {
    if (outer_.empty()) {
        dialog_.reset();
        return;
    }
    const Outer outer = outer_.back();
    outer_.pop_back();
    dialog_->setLabelText(outer.caption);
    dialog_->setMaximum(outer.total);
    dialog_->setValue(outer.done);
}
