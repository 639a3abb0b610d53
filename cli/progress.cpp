#include "progress.h"

#include <cstdio>
#include <unistd.h>

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
