#include "platform/picture.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

namespace {

QImage decode(const QByteArray& bytes, const char* format) {
    QImage image;
    if (!bytes.isEmpty()) {
        image.loadFromData(bytes, format);
    }
    return image;
}

QByteArray encode(const QImage& image, const char* format, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format, quality)) {
        return {};
    }
    return bytes;
}

} // namespace

namespace picture {

QImage readBmp(const QByteArray& bytes) {
    return decode(bytes, "BMP");
}

QByteArray writeBmp(const QImage& image) {
    return encode(image.convertToFormat(QImage::Format_RGB32), "BMP", -1);
}

QImage decodeJpeg(const QByteArray& bytes) {
    return decode(bytes, "JPEG");
}

bool saveJpeg(const QImage& image, const QString& path, int quality) {
    QByteArray bytes = encodeJpeg(image, quality);
    if (bytes.isEmpty()) {
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write(bytes);
    return file.commit();
}

QString checkJpegSupport() {
    const bool canRead = QImageReader::supportedImageFormats().contains("jpeg");
    const bool canWrite = QImageWriter::supportedImageFormats().contains("jpeg");
    if (canRead && canWrite) {
        return {};
    }
    return QStringLiteral("The Qt JPEG image plugin (qjpeg) is missing; install the Qt 6 base "
                          "image plugins.");
}

} // namespace picture
