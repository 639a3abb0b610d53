#include "quote/report_files.h"

#include "platform/prompts.h"
#include "platform/safe_file_name.h"
#include "quote/dealer_logo.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QSaveFile>

namespace report_files {

QString roomPictureName(const QString& customerName, int roomIndex, const QString& roomTitle) {
    return safeFileName(customerName.trimmed() + u'0' + QString::number(roomIndex) + u'_' +
                        roomTitle.trimmed()) +
           QStringLiteral(".jpg");
}

QString currentRoomPageName(int roomIndex, const QString& roomTitle) {
    return safeFileName(u'0' + QString::number(roomIndex) + u'_' + roomTitle) +
           QStringLiteral(".htm");
}

QString drawingsPageName(const QString& customerName) {
    return safeFileName(customerName + QStringLiteral("_设计图")) + QStringLiteral(".htm");
}

QString statisticsPageName(const QString& customerName) {
    return safeFileName(customerName + QStringLiteral("_统计表")) + QStringLiteral(".htm");
}

QSize shownPictureSize(QSize pixels) {
    QSize shown = pixels;
    for (int tenths = 9; tenths > 0 && (shown.width() > 700 || shown.height() > 600); --tenths) {
        shown =
            QSize(qRound(pixels.width() * tenths / 10.0), qRound(pixels.height() * tenths / 10.0));
    }
    return shown;
}

QString writeWholeOrProblem(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) {
        return {};
    }
    return QStringLiteral("无法写入文件：") + QDir::toNativeSeparators(path) + u'\n' +
           file.errorString();
}

bool writeWhole(const QString& path, const QByteArray& bytes, Prompts& prompts) {
    const QString problem = writeWholeOrProblem(path, bytes);
    if (problem.isEmpty()) {
        return true;
    }
    prompts.message(problem);
    return false;
}

bool makeFolder(const QString& folder, Prompts& prompts) {
    if (QDir().mkpath(folder)) {
        return true;
    }
    prompts.message(QStringLiteral("创建文件夹：") + QDir::toNativeSeparators(folder) +
                    QStringLiteral("\n失败"));
    return false;
}

bool prepareFolder(const QString& folder, const QString& programFolder, Prompts& prompts) {
    if (!makeFolder(folder, prompts)) {
        return false;
    }
    const QString copy = QDir(folder).filePath(LogoName);
    const QString source = dealer_logo::source(programFolder);
    if (source.isEmpty()) {
        // A logo left from an earlier page must not stand for one that is gone.
        QFile::remove(copy);
        return true;
    }
    QFile logo(source);
    if (!logo.open(QIODevice::ReadOnly)) {
        prompts.message(QStringLiteral("无法读取文件：") +
                        QDir::toNativeSeparators(logo.fileName()));
        return false;
    }
    return writeWhole(copy, logo.readAll(), prompts);
}

bool hasLogo(const QString& folder) {
    QImageReader reader(QDir(folder).filePath(LogoName));
    reader.setDecideFormatFromContent(true);
    return reader.canRead();
}

} // namespace report_files
