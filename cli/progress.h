#pragma once

#include <QString>

// Progress of long work on standard error, shown only when standard error is a terminal
// (a script's log gets nothing but the messages). Each step replaces the line before.
class Progress {
public:
    Progress();
    ~Progress();
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    void show(const QString& step);
    // Clears the line, so that a message or the next prompt starts on an empty one.
    void finish();

private:
    bool terminal_;
    bool shown_ = false;
};
