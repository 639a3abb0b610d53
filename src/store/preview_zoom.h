#pragma once

#include <QRect>
#include <QSize>
#include <QString>

// The zoom of the browser's room preview: 20 to 200 percent in steps of 10, the picture
// centred in its page.
class PreviewZoom {
public:
    static constexpr int Minimum = 20;
    static constexpr int Maximum = 200;
    static constexpr int Step = 10;

    // A new picture shows at its natural size (100 %); an empty size clears it.
    void setPicture(QSize natural);
    bool hasPicture() const { return !natural_.isEmpty(); }
    int zoom() const { return zoom_; }
    // Kept within 20..200.
    void setZoom(int zoom);
    void bigger() { setZoom(zoom_ + Step); }
    void smaller() { setZoom(zoom_ - Step); }
    // One step of the fit timer on a page of `page`: lowers the zoom by one step while it
    // is above the minimum and the picture is wider than the page's width minus 5 or
    // higher than its height minus 5. False once nothing was lowered: the timer stops.
    bool fitStep(QSize page);

    // The picture's size at the zoom (rounded) and its place centred in `page` (halves
    // of the differences, rounded toward zero).
    QSize size() const;
    QRect placement(QSize page) const;
    // "设计图 （Z%）".
    QString caption() const;

private:
    QSize natural_;
    int zoom_ = 100;
};
