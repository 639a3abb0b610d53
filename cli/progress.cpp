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
    if (depth_++ > 0) {
        return;
    }
    caption_ = caption;
    total_ = total;
    percent_ = -1;
    interrupted = 0;
    catchesInterrupt_ = cancellable;
    if (cancellable) {
        std::signal(SIGINT, noteInterrupt);
    }
    advance(0);
}

bool Progress::advance(int done) {
    // The line changes only with the percentage: a terminal is slow to write to.
    const int percent = total_ > 0 ? int(qint64(done) * 100 / total_) : 0;
    if (depth_ == 1 && percent != percent_) {
        percent_ = percent;
        show(caption_ + QStringLiteral(" %1%").arg(percent));
    }
    return interrupted == 0;
}

void Progress::end() {
    if (depth_ > 0 && --depth_ == 0) {
        if (catchesInterrupt_) {
            std::signal(SIGINT, SIG_DFL);
            catchesInterrupt_ = false;
        }
        finish();
    }
}
