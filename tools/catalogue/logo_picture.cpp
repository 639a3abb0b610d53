#include "catalogue/logo_picture.h"

#include "platform/picture.h"

#include <QFile>
#include <QPainter>

#include <stdexcept>

namespace {

// The size the pages print the logo at.
constexpr int Width = 172;
constexpr int Height = 60;
const QColor Tile(0x3a, 0x8c, 0xe6);
const QColor LampTile(0xff, 0xc9, 0x3c);
const QColor Line(0x9c, 0xa9, 0xb8);

} // namespace

// A ceiling of 3 x 3 tiles with a lamp in the middle, beside two quiet rules: no name, so
// that it suits every dealer.
QImage drawNeutralLogo() {
    QImage logo(Width, Height, QImage::Format_RGB32);
    logo.fill(Qt::white);
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    constexpr int Side = 14;
    constexpr int Gap = 3;
    constexpr int Left = 10;
    constexpr int Top = (Height - 3 * Side - 2 * Gap) / 2;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            painter.setBrush(row == 1 && column == 1 ? LampTile : Tile);
            painter.drawRoundedRect(
                QRectF(Left + column * (Side + Gap), Top + row * (Side + Gap), Side, Side), 2, 2);
        }
    }
    painter.setPen(QPen(Line, 3, Qt::SolidLine, Qt::RoundCap));
    const int textLeft = Left + 3 * Side + 2 * Gap + 14;
    painter.drawLine(textLeft, Height / 2 - 6, Width - 12, Height / 2 - 6);
    painter.drawLine(textLeft, Height / 2 + 6, Width - 40, Height / 2 + 6);
    painter.end();
    return logo;
}

void writeNeutralLogo(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(picture::writeBmp(drawNeutralLogo())) < 0) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}
