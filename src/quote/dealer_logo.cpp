#include "quote/dealer_logo.h"

#include "platform/picture.h"
#include "platform/prompts.h"
#include "quote/report_files.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

namespace dealer_logo {

QString dealerFile(const QString& programFolder) {
    return QDir(programFolder).filePath(QStringLiteral("sign.data"));
}

QString deliveredFile(const QString& programFolder) {
    return QDir(programFolder).filePath(QStringLiteral("数据文件/sign.bmp"));
}

QString source(const QString& programFolder) {
    for (const QString& file : {dealerFile(programFolder), deliveredFile(programFolder)}) {
        if (QFileInfo(file).isFile()) {
            return file;
        }
    }
    return {};
}

QImage picture(const QString& programFolder) {
    const QString file = source(programFolder);
    if (file.isEmpty()) {
        return {};
    }
    QImageReader reader(file);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

bool choose(const QString& path, const QString& programFolder, Prompts& prompts) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QImage chosen = reader.read();
    if (chosen.isNull()) {
        prompts.message(QStringLiteral("无法读取图像文件 ") + QDir::toNativeSeparators(path));
        return false;
    }
    // The pages stretch the logo to 172 × 60; fitted first, it keeps its proportions.
    QImage logo(Width, Height, QImage::Format_RGB32);
    logo.fill(Qt::white);
    const QImage fitted = chosen.scaled(logo.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&logo);
    painter.drawImage((Width - fitted.width()) / 2, (Height - fitted.height()) / 2, fitted);
    painter.end();
    return report_files::writeWhole(dealerFile(programFolder), picture::writeBmp(logo), prompts);
}

} // namespace dealer_logo
