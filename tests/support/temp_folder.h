#pragma once

#include <QString>
#include <QTemporaryDir>

// The whole content of a file; empty when it cannot be read.
QByteArray fileBytes(const QString& path);

// A temporary program folder for one test, removed afterwards.
class TempFolder {
public:
    TempFolder();
    const QString& path() const { return path_; }
    // Absolute path of a file or folder inside.
    QString file(const QString& relative) const { return path_ + u'/' + relative; }
    // Writes bytes to a file inside, creating folders as needed.
    void write(const QString& relative, const QByteArray& bytes) const;

private:
    QTemporaryDir dir_;
    QString path_;
};
