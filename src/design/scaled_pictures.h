#pragma once

#include "platform/color.h"

#include <QImage>
#include <QSize>

#include <map>
#include <tuple>

struct tpic_rec;

// Product pictures scaled to the sizes they are drawn at, each made once: a repaint then
// only copies pixels. A transparent product's key colour becomes fully transparent before
// scaling, so its copy is premultiplied ARGB; the others stay RGB32.
class ScaledPictures {
public:
    // Null when the product has no picture or the size (physical pixels) is empty. The
    // copy carries the device pixel ratio of the scale.
    const QImage& scaled(const tpic_rec& product, QSize size);
    // Forgets every copy when the scale they were made for changes: the plan's width in
    // canvas pixels or the device pixel ratio.
    void useScale(int paperWidth, qreal ratio = 1);
    void clear() { copies_.clear(); }

private:
    // Picture identity, width, height, whether keyed and the key colour.
    using Key = std::tuple<qint64, int, int, bool, TColor>;
    // More copies than any one scale needs: the sizes of a scale are few.
    static constexpr std::size_t MostCopies = 512;

    std::map<Key, QImage> copies_;
    int paperWidth_ = 0;
    qreal ratio_ = 1;
    QImage none_;
};
