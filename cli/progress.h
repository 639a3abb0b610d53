#pragma once

#include "platform/work_progress.h"

#include <QString>

// Progress of long work on standard error, shown only when standard error is a terminal
// (a script's log gets nothing but the messages). Each step replaces the line before.
// While work that can stop safely runs, Ctrl+C asks it to stop instead of ending the
// program.
class Progress final : public WorkProgress {
public:
    Progress();
    ~Progress() override;
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    void show(const QString& step);
    // Clears the line, so that a message or the next prompt starts on an empty one.
    void finish();

    void begin(const QString& caption, int total, bool cancellable) override;
    bool advance(int done) override;
    void end() override;

private:
    bool terminal_;
    bool shown_ = false;
    QString caption_;
    int total_ = 0;
    int percent_ = -1;
    int depth_ = 0;
    bool catchesInterrupt_ = false;
};
