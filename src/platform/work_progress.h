#pragma once

#include <QString>

// Progress of long work as model code reports it: the windows show a bar with a cancel
// button, the command line a line on the terminal, tests record the steps.
class WorkProgress {
public:
    virtual ~WorkProgress() = default;
    // Starts work of `total` steps. `cancellable` says whether stopping midway leaves the
    // old state whole; only then is a cancel button offered.
    virtual void begin(const QString& caption, int total, bool cancellable) = 0;
    // Reports `done` of the total; false once the user asked to stop cancellable work.
    virtual bool advance(int done) = 0;
    virtual void end() = 0;
};

// Shows nothing and never cancels: for callers without anyone watching.
WorkProgress& noProgress();

// Begins on construction and ends on every way out.
class ProgressScope {
public:
    ProgressScope(WorkProgress& progress, const QString& caption, int total, bool cancellable)
        : progress_(progress) {
        progress_.begin(caption, total, cancellable);
    }
    ~ProgressScope() { progress_.end(); }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;
    bool advance(int done) { return progress_.advance(done); }

private:
    WorkProgress& progress_;
};
