#pragma once

#include "platform/work_progress.h"

#include <QStringList>

// Work progress as a test watches it: records what the work reports and asks it to stop
// at the step given (counting the calls of advance() from 0), or never.
class StoppingProgress final : public WorkProgress {
public:
    explicit StoppingProgress(int stopAt = -1) : stopAt_(stopAt) {}

    void begin(const QString& caption, int total, bool cancellable) override {
        captions << caption;
        totals << total;
        cancellables << cancellable;
        ++open;
    }
    bool advance(int done) override {
        reported << done;
        return int(reported.size()) - 1 != stopAt_ || !cancellables.value(0);
    }
    void end() override { --open; }

    // Whether the work was asked to stop.
    bool stopped() const {
        return stopAt_ >= 0 && stopAt_ < int(reported.size()) && cancellables.value(0);
    }

    QStringList captions;
    QList<int> totals;
    QList<bool> cancellables;
    QList<int> reported;
    int open = 0; // begun and not yet ended

private:
    int stopAt_;
};
