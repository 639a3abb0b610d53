#pragma once

#include <QtGlobal>

// When the next automatic copy of the open project is due. Times are milliseconds of one
// monotonic clock. A copy is due once edits are pending and either the user has paused
// for a few seconds or the interval has passed since the first pending edit, so that a
// long stretch of drawing is still copied every interval.
class AutosaveScheduler {
public:
    static constexpr qint64 QuietMs = 4000;

    // 0 turns the copies off.
    void setIntervalMinutes(int minutes);
    int intervalMinutes() const { return int(intervalMs_ / 60000); }

    void edited(qint64 now);
    bool due(qint64 now) const;
    // A snapshot was taken: the edits so far are in it.
    void taken();
    // The copy could not be written: try again after the interval.
    void failed(qint64 now);
    // Nothing is left to copy (the project was saved, closed or replaced).
    void reset();
    bool pending() const { return pending_; }

private:
    qint64 intervalMs_ = 3 * 60000;
    bool pending_ = false;
    qint64 firstPending_ = 0;
    qint64 lastEdit_ = 0;
    bool retrying_ = false;
};
