#pragma once

#include "platform/work_progress.h"

#include <QElapsedTimer>

#include <memory>
#include <vector>

class QProgressDialog;
class QWidget;

// Long work as the windows show it: a progress dialog over the asking window, modal to it,
// that appears only once the work has lasted half a second, with a "取消" button only for
// work that can stop without harm. Work begun inside other work shows in the same dialog
// until it ends; then the outer work shows again.
class WindowProgress final : public WorkProgress {
public:
    explicit WindowProgress(QWidget* window);
    ~WindowProgress() override;
    WindowProgress(const WindowProgress&) = delete;
    WindowProgress& operator=(const WindowProgress&) = delete;

    void begin(const QString& caption, int total, bool cancellable) override;
    bool advance(int done) override;
    void end() override;

    static constexpr int DelayMilliseconds = 500;

private:
    // What the dialog showed of work that has inner work running.
    struct Outer {
        QString caption;
        int total;
        int done;
    };

    QWidget* window_;
    std::unique_ptr<QProgressDialog> dialog_;
    std::vector<Outer> outer_;
    QElapsedTimer started_;
    bool cancellable_ = false;
};
