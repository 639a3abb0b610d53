#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Pictures: BMP files (product pictures, logos) and JPEG files (previews, exports).
namespace picture {

// The JPEG encoder's default quality.
constexpr int DefaultJpegQuality = 75;

// A null image when the bytes are not a readable picture of that format.
QImage readBmp(const QByteArray& bytes);
QByteArray writeBmp(const QImage& image);
QImage decodeJpeg(const QByteArray& bytes);
QByteArray encodeJpeg(const QImage& image, int quality = DefaultJpegQuality);
bool saveJpeg(const QImage& image, const QString& path, int quality = DefaultJpegQuality);

// Empty when JPEG can be read and written; otherwise a message saying what is missing.
QString checkJpegSupport();

} // namespace picture
