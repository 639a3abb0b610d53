#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include <functional>

// The built program started in a child process on the offscreen platform, with a home
// folder of the test's own (so its per-user data folder is in there). It is ended when
// the object goes.
class ProgramRun {
public:
    ProgramRun(const QString& executable, const QStringList& arguments, const QString& home);
    ~ProgramRun();

    // The per-user data folder of a program run with `home`.
    static QString userFolder(const QString& home);

    // Waits until the program has started in `folder`: its working folders are made
    // only once both databases are open. False when it ended or a minute passed first.
    bool waitForStartIn(const QString& folder);
    // Waits until the program's standard error holds `text`.
    bool waitForError(const QString& text);
    // Standard error so far.
    const QString& errors() const { return errors_; }

private:
    bool waitUntil(const std::function<bool()>& done);

    QProcess process_;
    QString errors_;
};
