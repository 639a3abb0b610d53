#pragma once

#include "store/preview_zoom.h"

#include <QImage>
#include <QPoint>
#include <QTimer>
#include <QWidget>

#include <functional>

// The browser's room preview: the room's design picture centred in the page at a zoom of
// 20 to 200 %. A new picture shows at 100 % and a 10 ms timer then shrinks it step by
// step until it fits the page. A double-click sets 100 %; dragging with a button pressed
// moves the picture.
class RoomPreview : public QWidget {
public:
    explicit RoomPreview(QWidget* parent = nullptr);

    // A null image clears the preview.
    void setPicture(const QImage& picture);
    void bigger();
    void smaller();
    const PreviewZoom& zoom() const { return zoom_; }
    // Where the picture is drawn, in widget coordinates.
    QRect pictureRect() const;
    bool fitting() const { return fitTimer_.isActive(); }

    // The caption changed ("设计图 （Z%）").
    std::function<void(const QString&)> onCaption;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void applyZoom(int zoom);

    QImage picture_;
    PreviewZoom zoom_;
    QTimer fitTimer_;
    QPoint offset_;
    QPoint pressed_;
    bool dragging_ = false;
};
