#include "platform/surface.h"

#include "platform/flood_fill.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>

namespace {

Qt::PenStyle toQt(PenStyle style) {
    switch (style) {
    case PenStyle::Solid:
        return Qt::SolidLine;
    case PenStyle::Dash:
        return Qt::DashLine;
    case PenStyle::Dot:
        return Qt::DotLine;
    case PenStyle::DashDot:
        return Qt::DashDotLine;
    case PenStyle::Clear:
        return Qt::NoPen;
    }
    return Qt::SolidLine;
}

// Angle in degrees (counter-clockwise, screen y downwards) of the ray from the centre.
double rayAngle(double cx, double cy, int x, int y) {
    return std::atan2(cy - y, x - cx) * 180.0 / M_PI;
}

} // namespace

Surface::Surface() = default;

Surface::Surface(int width, int height, TColor fill, qreal ratio) {
    resize(width, height, fill, ratio);
}

Surface::~Surface() {
    endPainting();
}

void Surface::resize(int width, int height, TColor fill, qreal ratio) {
    endPainting();
    width_ = std::max(width, 1);
    height_ = std::max(height, 1);
    ratio_ = std::max(ratio, qreal(1));
    image_ = QImage(int(std::ceil(width_ * ratio_)), int(std::ceil(height_ * ratio_)),
                    QImage::Format_RGB32);
    image_.setDevicePixelRatio(ratio_);
    image_.fill(toQRgb(fill));
}

QPoint Surface::physical(int x, int y) const {
    return QPoint(int(std::floor((x + 0.5) * ratio_)), int(std::floor((y + 0.5) * ratio_)));
}

void Surface::setClip(const QRegion& region) {
    clip_ = region;
    if (painter_) {
        applyState(*painter_);
    }
}

void Surface::clearClip() {
    clip_.reset();
    if (painter_) {
        applyState(*painter_);
    }
}

const QImage& Surface::image() {
    endPainting();
    return image_;
}

QImage& Surface::pixels() {
    endPainting();
    return image_;
}

QPainter& Surface::painter() {
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setRenderHint(QPainter::Antialiasing, false);
        painter_->setRenderHint(QPainter::TextAntialiasing, true);
        applyState(*painter_);
    }
    return *painter_;
}

void Surface::endPainting() {
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
}

void Surface::applyState(QPainter& p) const {
    if (penStyle_ == PenStyle::Clear) {
        p.setPen(Qt::NoPen);
    } else {
        QPen pen(toQColor(penColor_), penWidth_ <= 1 ? 0 : penWidth_, toQt(penStyle_));
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        if (penWidth_ <= 1) {
            pen.setCapStyle(Qt::FlatCap);
        }
        p.setPen(pen);
    }
    if (brushClear_) {
        p.setBrush(Qt::NoBrush);
    } else {
        p.setBrush(toQColor(brushColor_));
    }
    p.setFont(font_);
    if (clip_) {
        p.setClipRegion(*clip_);
    } else {
        p.setClipping(false);
    }
}

void Surface::setPen(TColor color, int width, PenStyle style) {
    penColor_ = color;
    penWidth_ = width;
    penStyle_ = style;
    if (painter_) {
        applyState(*painter_);
    }
}

void Surface::setBrush(TColor color) {
    brushColor_ = color;
    brushClear_ = false;
    if (painter_) {
        applyState(*painter_);
    }
}

void Surface::setBrushClear() {
    brushClear_ = true;
    if (painter_) {
        applyState(*painter_);
    }
}

void Surface::setFont(const QFont& font, TColor color) {
    font_ = font;
    fontColor_ = color;
    if (painter_) {
        applyState(*painter_);
    }
}

void Surface::fill(TColor color) {
    endPainting();
    image_.fill(toQRgb(color));
}

void Surface::fillRect(int x1, int y1, int x2, int y2, TColor color) {
    if (x2 <= x1 || y2 <= y1) {
        return;
    }
    painter().fillRect(QRect(x1, y1, x2 - x1, y2 - y1), toQColor(color));
}

void Surface::rectangle(int x1, int y1, int x2, int y2) {
    if (x2 <= x1 || y2 <= y1) {
        return;
    }
    QPainter& p = painter();
    if (!brushClear_) {
        p.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), toQColor(brushColor_));
    }
    if (penStyle_ != PenStyle::Clear) {
        p.save();
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
        p.restore();
    }
}

void Surface::moveTo(int x, int y) {
    penPos_ = QPoint(x, y);
}

void Surface::lineTo(int x, int y) {
    painter().drawLine(penPos_, QPoint(x, y));
    penPos_ = QPoint(x, y);
}

void Surface::line(int x1, int y1, int x2, int y2) {
    moveTo(x1, y1);
    lineTo(x2, y2);
}

void Surface::polygon(const QVector<QPoint>& points) {
    if (points.size() >= 2) {
        painter().drawPolygon(points.constData(), int(points.size()));
    }
}

void Surface::polyline(const QVector<QPoint>& points) {
    if (points.size() >= 2) {
        painter().drawPolyline(points.constData(), int(points.size()));
    }
}

void Surface::ellipse(int x1, int y1, int x2, int y2) {
    if (x2 > x1 && y2 > y1) {
        painter().drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
    }
}

void Surface::arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    if (x2 <= x1 || y2 <= y1) {
        return;
    }
    const double cx = (x1 + x2) / 2.0;
    const double cy = (y1 + y2) / 2.0;
    double start = rayAngle(cx, cy, x3, y3);
    double end = rayAngle(cx, cy, x4, y4);
    double span = end - start;
    while (span <= 0) {
        span += 360.0;
    }
    painter().drawArc(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1), int(std::lround(start * 16)),
                      int(std::lround(span * 16)));
}

void Surface::textOut(int x, int y, const QString& text) {
    QPainter& p = painter();
    QFontMetrics metrics(font_);
    QRect box(x, y, metrics.horizontalAdvance(text), metrics.height());
    if (!brushClear_) {
        p.fillRect(box, toQColor(brushColor_));
    }
    p.save();
    p.setPen(toQColor(fontColor_));
    p.drawText(QPoint(x, y + metrics.ascent()), text);
    p.restore();
}

int Surface::textWidth(const QString& text) {
    return QFontMetrics(font_).horizontalAdvance(text);
}

int Surface::textHeight(const QString&) {
    return QFontMetrics(font_).height();
}

void Surface::stretchDraw(const QRect& target, const QImage& picture) {
    if (!picture.isNull() && target.isValid()) {
        painter().drawImage(target, picture);
    }
}

void Surface::draw(int x, int y, const QImage& picture) {
    if (!picture.isNull()) {
        painter().drawImage(QPoint(x, y), picture);
    }
}

void Surface::drawTransparent(const QRect& target, const QImage& picture, TColor transparent) {
    if (picture.isNull() || !target.isValid()) {
        return;
    }
    QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
    const std::uint32_t key = toQRgb(transparent) & 0x00FFFFFF;
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<std::uint32_t*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            if ((line[x] & 0x00FFFFFF) == key) {
                line[x] = 0;
            }
        }
    }
    painter().drawImage(target, keyed);
}

TColor Surface::pixel(int x, int y) {
    endPainting();
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return colors::White;
    }
    const QPoint at = physical(x, y);
    return fromQRgb(
        image_.pixel(std::min(at.x(), image_.width() - 1), std::min(at.y(), image_.height() - 1)));
}

// Every physical pixel of the canvas pixel.
void Surface::setPixel(int x, int y, TColor color) {
    endPainting();
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return;
    }
    const auto edge = [this](int v) { return int(std::round(v * ratio_)); };
    const QRect area = QRect(QPoint(edge(x), edge(y)), QPoint(edge(x + 1) - 1, edge(y + 1) - 1))
                           .intersected(image_.rect());
    for (int py = area.top(); py <= area.bottom(); ++py) {
        for (int px = area.left(); px <= area.right(); ++px) {
            image_.setPixel(px, py, toQRgb(color));
        }
    }
}

void Surface::floodFill(int x, int y, TColor border) {
    endPainting();
    const QPoint at = physical(x, y);
    flood::fillToBorder(image_, at.x(), at.y(), border, brushColor_);
}
