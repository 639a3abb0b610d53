#include "program_run.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcessEnvironment>

ProgramRun::ProgramRun(const QString& executable, const QStringList& arguments,
                       const QString& home) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"}) {
        environment.remove(QString::fromLatin1(name));
    }
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process_.setProcessEnvironment(environment);
    process_.setReadChannel(QProcess::StandardError);
    process_.start(executable, arguments);
}

ProgramRun::~ProgramRun() {
    process_.kill();
    process_.waitForFinished();
}

QString ProgramRun::userFolder(const QString& home) {
    return home + QStringLiteral("/.local/share/yanzhou/yanzhou");
}

bool ProgramRun::waitForStartIn(const QString& folder) {
    return waitUntil([&] { return QFileInfo(folder + QStringLiteral("/设计文件")).isDir(); });
}

bool ProgramRun::waitForError(const QString& text) {
    return waitUntil([&] { return errors_.contains(text); });
}

bool ProgramRun::waitUntil(const std::function<bool()>& done) {
    const QDeadlineTimer deadline(60000);
    while (!deadline.hasExpired()) {
        process_.waitForReadyRead(100);
        errors_ += QString::fromUtf8(process_.readAllStandardError());
        if (done()) {
            return true;
        }
        if (process_.state() == QProcess::NotRunning) {
            errors_ += QString::fromUtf8(process_.readAllStandardError());
            return done();
        }
    }
    return false;
}
