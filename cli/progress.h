#pragma once

#include "platform/work_progress.h"

#include <QString>

#include <vector>

// Progress of long work on standard error, shown only when standard error is a terminal
// (a script's log gets nothing but the messages). Each step replaces the line before.
// The line shows the innermost work running. While work that can stop safely runs,
// Ctrl+C asks it to stop instead of ending the program.
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
    struct Work {
        QString caption;
        int total;
    };
    std::vector<Work> running_;
    int percent_ = -1;
    bool catchesInterrupt_ = false;
};
