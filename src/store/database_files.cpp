#include "store/database_files.h"

#include "platform/database.h"

#include <QFileInfo>
#include <QTemporaryFile>

#include <filesystem>
#include <memory>

namespace {

// An empty file with a unique name in `folder`: the engine writes a new database into
// an empty file. Removed when destroyed unless renamed meanwhile.
std::unique_ptr<QTemporaryFile> temporaryBeside(const QString& folder) {
    auto file = std::make_unique<QTemporaryFile>(folder + QStringLiteral("/~ACPXXXXXX.tmp"));
    if (!file->open()) {
        throw DatabaseError(
            (file->errorString() + QStringLiteral(" [") + folder + u']').toStdString());
    }
    file->close();
    return file;
}

// Writes the database at `source` into the empty file `target` with the engine's own
// copy, which reads one consistent state even while another connection writes.
void vacuumInto(const QString& source, const QString& target) {
    Database db;
    QString error;
    if (!db.open(source, &error)) {
        throw DatabaseError(error.toStdString());
    }
    db.exec(QStringLiteral("vacuum into ?"), {target});
}

void replace(const QString& from, const QString& to) {
    std::error_code failure;
    std::filesystem::rename(from.toStdU16String(), to.toStdU16String(), failure);
    if (failure) {
        throw DatabaseError(failure.message() + " [" + to.toStdString() + ']');
    }
}

bool passesIntegrityCheck(const QString& path) {
    Database db;
    if (!db.open(path)) {
        return false;
    }
    return db.scalar(QStringLiteral("pragma integrity_check")).toString() == QLatin1String("ok");
}

} // namespace

namespace database_files {

void writeNew(const QString& target, const std::function<void(const QString& empty)>& fill) {
    const std::unique_ptr<QTemporaryFile> temporary =
        temporaryBeside(QFileInfo(target).absolutePath());
    fill(temporary->fileName());
    replace(temporary->fileName(), target);
}

void snapshot(const QString& source, const QString& target) {
    writeNew(target, [&source](const QString& empty) { vacuumInto(source, empty); });
}

bool compact(const QString& path) {
    try {
        const std::unique_ptr<QTemporaryFile> temporary =
            temporaryBeside(QFileInfo(path).absolutePath());
        vacuumInto(path, temporary->fileName());
        if (!passesIntegrityCheck(temporary->fileName())) {
            return false;
        }
        replace(temporary->fileName(), path);
        return true;
    } catch (const DatabaseError&) {
        return false;
    }
}

} // namespace database_files
