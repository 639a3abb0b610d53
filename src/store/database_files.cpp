#include "store/database_files.h"

#include "platform/database.h"

#include <QFileInfo>
#include <QTemporaryFile>

#include <filesystem>
#include <memory>

namespace {

// The mode a file that takes the place of `path` gets: that of `path`, or for a new file
// owner read-write and read for all. Taken from the file system as it is: the file
// classes would count the access of the user running the program into it.
std::filesystem::perms modeOf(const QString& path) {
    std::error_code missing;
    const std::filesystem::file_status status =
        std::filesystem::status(path.toStdU16String(), missing);
    using std::filesystem::perms;
    return missing || !std::filesystem::exists(status)
               ? perms::owner_read | perms::owner_write | perms::group_read | perms::others_read
               : status.permissions();
}

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
void vacuumInto(const QString& source, const QString& target, const QString& subject) {
    Database db;
    db.setSubject(subject);
    if (!db.open(source)) {
        throw db.openFailure();
    }
    db.exec(QStringLiteral("vacuum into ?"), {target});
}

// Puts the finished file `from` in the place of `to` with the file mode `mode`: a
// temporary file is made readable by its owner only.
void replace(const QString& from, const QString& to, std::filesystem::perms mode) {
    std::error_code failure;
    std::filesystem::permissions(from.toStdU16String(), mode, failure);
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

void writeNew(const QString& target, const std::function<void(const QString& empty)>& fill,
              const QString& modeOfFile) {
    const std::unique_ptr<QTemporaryFile> temporary =
        temporaryBeside(QFileInfo(target).absolutePath());
    fill(temporary->fileName());
    replace(temporary->fileName(), target, modeOf(modeOfFile.isEmpty() ? target : modeOfFile));
}

void snapshot(const QString& source, const QString& target, const QString& subject) {
    writeNew(
        target, [&](const QString& empty) { vacuumInto(source, empty, subject); }, source);
}

bool compact(const QString& path) {
    try {
        const std::unique_ptr<QTemporaryFile> temporary =
            temporaryBeside(QFileInfo(path).absolutePath());
        vacuumInto(path, temporary->fileName(), {});
        if (!passesIntegrityCheck(temporary->fileName())) {
            return false;
        }
        replace(temporary->fileName(), path, modeOf(path));
        return true;
    } catch (const DatabaseError&) {
        return false;
    }
}

} // namespace database_files
