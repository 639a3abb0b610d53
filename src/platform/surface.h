#pragma once

#include "platform/color.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QString>
#include <QVector>

#include <memory>
#include <optional>

class QPainter;

enum class PenStyle { Solid, Dash, Dot, DashDot, Clear };

// A 2D drawing surface over a 32-bit image, with the operations of a canvas: fill, pen
// colour/width/style, brush, rectangles, polygons, arcs, ellipses, text, stretched and
// transparent picture drawing, pixel reads and flood fill. Antialiasing is off so
// colours are exact. Rectangles follow the canvas convention: (x1, y1, x2, y2) covers
// columns x1 .. x2 - 1 and rows y1 .. y2 - 1.
// Coordinates are canvas pixels. On a screen with a device pixel ratio above 1 the image
// holds that many physical pixels per canvas pixel and everything is drawn at the
// physical resolution.
class Surface {
public:
    Surface();
    Surface(int width, int height, TColor fill = colors::White, qreal ratio = 1);
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }
    qreal ratio() const { return ratio_; }
    // Resizes and clears to `fill`.
    void resize(int width, int height, TColor fill = colors::White, qreal ratio = 1);

    // The picture as drawn so far, at the physical resolution.
    const QImage& image();
    // Direct access to the physical pixels; ends any painting in progress.
    QImage& pixels();
    // Limits what the drawing operations below change to `region` (canvas pixels); fill()
    // and pixel writes are not limited.
    void setClip(const QRegion& region);
    void clearClip();

    void setPen(TColor color, int width = 1, PenStyle style = PenStyle::Solid);
    void setBrush(TColor color);
    void setBrushClear();
    void setFont(const QFont& font, TColor color);

    void fill(TColor color);
    void fillRect(int x1, int y1, int x2, int y2, TColor color);
    void rectangle(int x1, int y1, int x2, int y2);
    void moveTo(int x, int y);
    void lineTo(int x, int y);
    void line(int x1, int y1, int x2, int y2);
    void polygon(const QVector<QPoint>& points);
    void polyline(const QVector<QPoint>& points);
    void ellipse(int x1, int y1, int x2, int y2);
    // The arc of the ellipse bounded by (x1, y1, x2, y2), counter-clockwise from the ray
    // towards (x3, y3) to the ray towards (x4, y4).
    void arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    // Text with its top-left corner at (x, y); the background shows through when the
    // brush is clear, else the text stands on the brush colour.
    void textOut(int x, int y, const QString& text);
    int textWidth(const QString& text);
    int textHeight(const QString& text);
    void stretchDraw(const QRect& target, const QImage& picture);
    void draw(int x, int y, const QImage& picture);
    // Draws `picture` leaving out its pixels of colour `transparent`.
    void drawTransparent(const QRect& target, const QImage& picture, TColor transparent);

    TColor pixel(int x, int y);
    void setPixel(int x, int y, TColor color);
    // Fills from (x, y) up to pixels of colour `border` with the brush colour.
    void floodFill(int x, int y, TColor border);

private:
    QPainter& painter();
    void endPainting();
    void applyState(QPainter& p) const;

    // The physical pixel at the middle of a canvas pixel.
    QPoint physical(int x, int y) const;

    QImage image_;
    int width_ = 0;
    int height_ = 0;
    qreal ratio_ = 1;
    std::optional<QRegion> clip_;
    std::unique_ptr<QPainter> painter_;
    TColor penColor_ = colors::Black;
    int penWidth_ = 1;
    PenStyle penStyle_ = PenStyle::Solid;
    TColor brushColor_ = colors::White;
    bool brushClear_ = false;
    QFont font_;
    TColor fontColor_ = colors::Black;
    QPoint penPos_;
};
