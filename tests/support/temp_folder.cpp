#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TempFolder::TempFolder() : path_(dir_.path()) {}

void TempFolder::write(const QString& relative, const QByteArray& bytes) const {
    const QString target = file(relative);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile f(target);
    if (f.open(QIODevice::WriteOnly)) {
        f.write(bytes);
    }
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
