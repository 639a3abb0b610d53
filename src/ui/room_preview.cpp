#include "ui/room_preview.h"

#include <QMouseEvent>
#include <QPainter>

RoomPreview::RoomPreview(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("roomPreview"));
    fitTimer_.setInterval(10);
    connect(&fitTimer_, &QTimer::timeout, this, [this] {
        if (!zoom_.fitStep(size())) {
            fitTimer_.stop();
            return;
        }
        applyZoom(zoom_.zoom());
    });
}

void RoomPreview::setPicture(const QImage& picture) {
    picture_ = picture;
    fitTimer_.stop();
    zoom_.setPicture(picture.size());
    applyZoom(100);
    if (!picture.isNull()) {
        fitTimer_.start();
    }
}

void RoomPreview::bigger() {
    applyZoom(zoom_.zoom() + PreviewZoom::Step);
}

void RoomPreview::smaller() {
    applyZoom(zoom_.zoom() - PreviewZoom::Step);
}

void RoomPreview::applyZoom(int zoom) {
    zoom_.setZoom(zoom);
    offset_ = {};
    if (onCaption) {
        onCaption(zoom_.caption());
    }
    update();
}

QRect RoomPreview::pictureRect() const {
    return zoom_.placement(size()).translated(offset_);
}

void RoomPreview::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(pictureRect(), picture_);
}

void RoomPreview::mousePressEvent(QMouseEvent* event) {
    if (pictureRect().contains(event->position().toPoint())) {
        dragging_ = true;
        pressed_ = event->position().toPoint();
    }
}

void RoomPreview::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) {
        return;
    }
    const QPoint at = event->position().toPoint();
    offset_ += at - pressed_;
    pressed_ = at;
    update();
}

void RoomPreview::mouseReleaseEvent(QMouseEvent*) {
    dragging_ = false;
}

void RoomPreview::mouseDoubleClickEvent(QMouseEvent* event) {
    if (pictureRect().contains(event->position().toPoint())) {
        applyZoom(100);
    }
}
