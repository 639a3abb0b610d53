// Draws the program icon: the scalable SVG and PNGs of the given sizes, both from the
// one description below, so that every size shows the same picture.
//   yz_iconpainter OUTPUT_FOLDER NAME SIZE...
// writes OUTPUT_FOLDER/NAME.svg and OUTPUT_FOLDER/SIZE/NAME.png.

#include <QColor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

#include <cstdio>
#include <vector>

namespace {

// The icon on a 256-unit square: a ceiling tile of 3 x 3 panels, one with a lamp and
// one with a vent, on a rounded blue ground.
constexpr double Side = 256;

struct Panel {
    QRectF rect;
    QColor fill;
};

const QRectF Ground(12, 12, 232, 232);
constexpr double GroundRadius = 46;
const QColor GroundTop(0x3a, 0x8c, 0xe6);
const QColor GroundBottom(0x17, 0x4a, 0x8c);
const QColor PanelColour(0xf1, 0xf6, 0xfc);
const QColor LampPanel(0xff, 0xf6, 0xd8);
const QColor Lamp(0xff, 0xc9, 0x3c);
const QColor Vent(0x8c, 0xa3, 0xbf);
constexpr double PanelSide = 50;
constexpr double Gap = 9;
constexpr double GridStart = 128 - 1.5 * PanelSide - Gap;
const QPointF LampCentre(128, 128);
constexpr double LampRadius = 15;

std::vector<Panel> panels() {
    std::vector<Panel> result;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const QRectF r(GridStart + column * (PanelSide + Gap),
                           GridStart + row * (PanelSide + Gap), PanelSide, PanelSide);
            result.push_back({r, row == 1 && column == 1 ? LampPanel : PanelColour});
        }
    }
    return result;
}

// The vent's slats on the top-right panel.
std::vector<std::pair<QPointF, QPointF>> ventSlats() {
    const QRectF r = panels()[2].rect;
    std::vector<std::pair<QPointF, QPointF>> slats;
    for (int i = 1; i <= 4; ++i) {
        const double y = r.top() + i * r.height() / 5;
        slats.push_back({QPointF(r.left() + 9, y), QPointF(r.right() - 9, y)});
    }
    return slats;
}

QString svgColour(const QColor& c) {
    return c.name(QColor::HexRgb);
}

QByteArray svg() {
    QString s;
    s += QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
                        "viewBox=\"0 0 256 256\">\n"
                        "  <defs>\n    <linearGradient id=\"ground\" x1=\"0\" y1=\"0\" x2=\"0\" "
                        "y2=\"1\">\n");
    s += QStringLiteral("      <stop offset=\"0\" stop-color=\"%1\"/>\n").arg(svgColour(GroundTop));
    s += QStringLiteral("      <stop offset=\"1\" stop-color=\"%1\"/>\n")
             .arg(svgColour(GroundBottom));
    s += QStringLiteral("    </linearGradient>\n  </defs>\n");
    s += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" "
                        "fill=\"url(#ground)\"/>\n")
             .arg(Ground.x())
             .arg(Ground.y())
             .arg(Ground.width())
             .arg(Ground.height())
             .arg(GroundRadius);
    for (const Panel& p : panels()) {
        s += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"4\" "
                            "fill=\"%5\"/>\n")
                 .arg(p.rect.x())
                 .arg(p.rect.y())
                 .arg(p.rect.width())
                 .arg(p.rect.height())
                 .arg(svgColour(p.fill));
    }
    s += QStringLiteral("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\"/>\n")
             .arg(LampCentre.x())
             .arg(LampCentre.y())
             .arg(LampRadius)
             .arg(svgColour(Lamp));
    for (const auto& [from, to] : ventSlats()) {
        s += QStringLiteral("  <line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\" stroke=\"%5\" "
                            "stroke-width=\"4\" stroke-linecap=\"round\"/>\n")
                 .arg(from.x())
                 .arg(from.y())
                 .arg(to.x())
                 .arg(to.y())
                 .arg(svgColour(Vent));
    }
    s += QStringLiteral("</svg>\n");
    return s.toUtf8();
}

QImage png(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / Side, size / Side);
    QLinearGradient ground(0, Ground.top(), 0, Ground.bottom());
    ground.setColorAt(0, GroundTop);
    ground.setColorAt(1, GroundBottom);
    p.setPen(Qt::NoPen);
    p.setBrush(ground);
    p.drawRoundedRect(Ground, GroundRadius, GroundRadius);
    for (const Panel& panel : panels()) {
        p.setBrush(panel.fill);
        p.drawRoundedRect(panel.rect, 4, 4);
    }
    p.setBrush(Lamp);
    p.drawEllipse(LampCentre, LampRadius, LampRadius);
    p.setPen(QPen(Vent, 4, Qt::SolidLine, Qt::RoundCap));
    for (const auto& [from, to] : ventSlats()) {
        p.drawLine(from, to);
    }
    return image;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: yz_iconpainter OUTPUT_FOLDER NAME SIZE...\n");
        return 2;
    }
    const QString folder = args[1];
    const QString name = args[2];
    if (!QDir().mkpath(folder) ||
        !writeFile(folder + u'/' + name + QStringLiteral(".svg"), svg())) {
        std::fprintf(stderr, "cannot write the scalable icon into %s\n", qPrintable(folder));
        return 1;
    }
    for (qsizetype i = 3; i < args.size(); ++i) {
        bool ok = false;
        const int size = args[i].toInt(&ok);
        const QString sizeFolder = folder + u'/' + args[i];
        if (!ok || size < 8 || size > 1024 || !QDir().mkpath(sizeFolder) ||
            !png(size).save(sizeFolder + u'/' + name + QStringLiteral(".png"))) {
            std::fprintf(stderr, "cannot write the %s pixel icon\n", qPrintable(args[i]));
            return 1;
        }
    }
    return 0;
}
