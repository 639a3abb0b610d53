#include "progress.h"

#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t interrupted = 0;

extern "C" void noteInterrupt(int) {
    interrupted = 1;
}

} // namespace

Progress::Progress() : terminal_(isatty(STDERR_FILENO) == 1) {}

Progress::~Progress() {
    finish();
}

void Progress::show(const QString& step) {
    if (!terminal_) {
        return;
    }
    // Carriage return, the step, then the rest of the old line erased.
    std::fprintf(stderr, "\r%s\033[K", step.toLocal8Bit().constData());
    std::fflush(stderr);
    shown_ = true;
}

void Progress::finish() {
    if (shown_) {
        std::fputs("\r\033[K", stderr);
        std::fflush(stderr);
        shown_ = false;
    }
}

void Progress::begin(const QString& caption, int total, bool cancellable) {
    if (running_.empty()) {
        interrupted = 0;
        catchesInterrupt_ = cancellable;
        if (cancellable) {
            std::signal(SIGINT, noteInterrupt);
        }
    }
    running_.push_back({caption, total});
    percent_ = -1;
    advance(0);
}

bool Progress::advance(int done) {
    const Work& work = running_.back();
    // The line changes only with the percentage: a terminal is slow to write to.
    const int percent = work.total > 0 ? int(qint64(done) * 100 / work.total) : 0;
    if (percent != percent_) {
        percent_ = percent;
        show(work.caption + QStringLiteral(" %1%").arg(percent));
    }
    return interrupted == 0;
}

void Progress::end() {
    running_.pop_back();
    percent_ = -1;
    if (running_.empty()) {
        if (catchesInterrupt_) {
            std::signal(SIGINT, SIG_DFL);
            catchesInterrupt_ = false;
        }
        finish();
    }
}
