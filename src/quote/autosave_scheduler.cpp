#include "quote/autosave_scheduler.h"

#include <algorithm>

void AutosaveScheduler::setIntervalMinutes(int minutes) {
    intervalMs_ = qint64(std::max(minutes, 0)) * 60000;
}

void AutosaveScheduler::edited(qint64 now) {
    if (!pending_) {
        firstPending_ = now;
    }
    pending_ = true;
    retrying_ = false;
    lastEdit_ = now;
}

bool AutosaveScheduler::due(qint64 now) const {
    if (!pending_ || intervalMs_ <= 0) {
        return false;
    }
    const bool paused = !retrying_ && now - lastEdit_ >= QuietMs;
    return paused || now - firstPending_ >= intervalMs_;
}

void AutosaveScheduler::taken() {
    pending_ = false;
    retrying_ = false;
}

void AutosaveScheduler::failed(qint64 now) {
    pending_ = true;
    retrying_ = true;
    firstPending_ = now;
}

void AutosaveScheduler::reset() {
    pending_ = false;
    retrying_ = false;
}
