#include "store/preview_zoom.h"

#include <algorithm>
#include <cmath>

void PreviewZoom::setPicture(QSize natural) {
    natural_ = natural;
    zoom_ = 100;
}

void PreviewZoom::setZoom(int zoom) {
    zoom_ = std::clamp(zoom, Minimum, Maximum);
}

bool PreviewZoom::fitStep(QSize page) {
    const QSize shown = size();
    if (zoom_ <= Minimum ||
        (shown.width() <= page.width() - 5 && shown.height() <= page.height() - 5)) {
        return false;
    }
    smaller();
    return true;
}

QSize PreviewZoom::size() const {
    return {int(std::nearbyint(natural_.width() * zoom_ / 100.0)),
            int(std::nearbyint(natural_.height() * zoom_ / 100.0))};
}

QRect PreviewZoom::placement(QSize page) const {
    const QSize shown = size();
    return {(page.width() - shown.width()) / 2, (page.height() - shown.height()) / 2, shown.width(),
            shown.height()};
}

QString PreviewZoom::caption() const {
    return QStringLiteral("设计图 （") + QString::number(zoom_) + QStringLiteral("%）");
}
