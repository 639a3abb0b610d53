#include "ui/splash_window.h"

#include "platform/picture.h"
#include "quote/program_version.h"

#include <QFile>
#include <QLinearGradient>
#include <QPainter>

namespace {

// A company picture larger than this is not a logo.
constexpr qint64 MaxPictureBytes = 32 << 20;

QPixmap titlePicture() {
    QPixmap pixmap(520, 300);
    QPainter p(&pixmap);
    QLinearGradient sky(0, 0, 0, pixmap.height());
    sky.setColorAt(0, QColor(0x1f, 0x5f, 0x8b));
    sky.setColorAt(1, QColor(0x0e, 0x2f, 0x4a));
    p.fillRect(pixmap.rect(), sky);
    // A ceiling grid of panels across the top.
    p.setPen(QPen(QColor(255, 255, 255, 50), 1));
    for (int x = 0; x < pixmap.width(); x += 40) {
        p.drawLine(x, 0, x, 120);
    }
    for (int y = 0; y <= 120; y += 40) {
        p.drawLine(0, y, pixmap.width(), y);
    }
    p.setPen(Qt::white);
    QFont title = p.font();
    title.setPixelSize(34);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(0, 140, pixmap.width(), 50), Qt::AlignCenter, applicationTitle());
    QFont small = p.font();
    small.setPixelSize(16);
    small.setBold(false);
    p.setFont(small);
    p.drawText(QRect(0, 195, pixmap.width(), 30), Qt::AlignCenter,
               QStringLiteral("V") + programVersion());
    p.drawText(QRect(0, 250, pixmap.width(), 30), Qt::AlignCenter, QStringLiteral("正在启动……"));
    return pixmap;
}

} // namespace

QPixmap SplashWindow::picture(const QString& programFolder) {
    QFile file(programFolder + QStringLiteral("/about_sign.data"));
    if (file.size() > 0 && file.size() <= MaxPictureBytes && file.open(QIODevice::ReadOnly)) {
        const QImage image = picture::readBmp(file.readAll());
        if (!image.isNull()) {
            return QPixmap::fromImage(image);
        }
    }
    return titlePicture();
}

SplashWindow::SplashWindow(const QString& programFolder) : QSplashScreen(picture(programFolder)) {}
