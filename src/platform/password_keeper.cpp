#include "platform/password_keeper.h"

#include "platform/database.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QSaveFile>

#include <qt6keychain/keychain.h>

#include <sys/stat.h>

namespace {

const QString keyringService = QStringLiteral("yanzhou-customer-store");

QString keyringKey(const ServerSettings& server) {
    return server.user + u'@' + server.host + u':' + QString::number(server.port) + u'/' +
           server.database;
}

// A field of the password file: ':' and '\' are escaped with '\'.
QString passwordFileField(QString text) {
    text.replace(u'\\', QStringLiteral("\\\\"));
    text.replace(u':', QStringLiteral("\\:"));
    return text;
}

QString lineKey(const ServerSettings& server) {
    return passwordFileField(server.host) + u':' + QString::number(server.port) + u':' +
           passwordFileField(server.database) + u':' + passwordFileField(server.user) + u':';
}

// Runs a keychain job to its end; false with the job's message when it failed.
bool finish(QKeychain::Job& job, QString* error) {
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.setAutoDelete(false);
    job.start();
    loop.exec();
    if (job.error() != QKeychain::NoError) {
        if (error) {
            *error = job.errorString();
        }
        return false;
    }
    return true;
}

} // namespace

namespace password_keeper {

QString passwordFilePath() {
    const QString chosen = qEnvironmentVariable("PGPASSFILE");
    return chosen.isEmpty() ? QDir::homePath() + QStringLiteral("/.pgpass") : chosen;
}

bool writePasswordFile(const ServerSettings& server, const QString& password, QString* error) {
    const QString path = passwordFilePath();
    QStringList lines;
    QFile old(path);
    if (old.open(QIODevice::ReadOnly)) {
        lines = QString::fromUtf8(old.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }
    const QString key = lineKey(server);
    lines.removeIf([&key](const QString& line) { return line.startsWith(key); });
    lines.append(key + passwordFileField(password));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || ::fchmod(file.handle(), S_IRUSR | S_IWUSR) != 0) {
        if (error) {
            *error = file.errorString();
        }
        return false;
    }
    file.write((lines.join(u'\n') + u'\n').toUtf8());
    if (!file.commit()) {
        if (error) {
            *error = file.errorString();
        }
        return false;
    }
    return true;
}

bool store(const ServerSettings& server, const QString& password, Place* place, QString* error) {
    QKeychain::WritePasswordJob job(keyringService);
    job.setKey(keyringKey(server));
    job.setTextData(password);
    if (finish(job, nullptr)) {
        if (place) {
            *place = Place::Keyring;
        }
        return true;
    }
    if (place) {
        *place = Place::PasswordFile;
    }
    return writePasswordFile(server, password, error);
}

ServerSettings withKeptPassword(ServerSettings server) {
    if (server.password.isEmpty()) {
        server.password = read(server);
    }
    return server;
}

QString read(const ServerSettings& server) {
    QKeychain::ReadPasswordJob job(keyringService);
    job.setKey(keyringKey(server));
    return finish(job, nullptr) ? job.textData() : QString();
}

} // namespace password_keeper
