#pragma once

#include "platform/work_progress.h"

#include <QElapsedTimer>

#include <memory>

class QProgressDialog;
class QWidget;

// Long work as the windows show it: a progress dialog over the asking window, modal to it,
// that appears only once the work has lasted half a second, with a "取消" button only for
// work that can stop without harm. Work begun inside other work is counted as part of it.
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
    QWidget* window_;
    std::unique_ptr<QProgressDialog> dialog_;
    QElapsedTimer started_;
    bool cancellable_ = false;
    int depth_ = 0;
};
