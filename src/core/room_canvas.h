#pragma once

#include <QPoint>
#include <QRegion>

class Surface;
struct MenuModel;

// The design canvas as a room sees it: a surface to paint on and a few requests to the
// control that shows it. The user interface implements it; tests use a fake.
class RoomCanvas {
public:
    virtual ~RoomCanvas() = default;

    virtual int width() const = 0;
    virtual int height() const = 0;
    // False while the canvas cannot be drawn on (not yet shown, lost surface).
    virtual bool canDraw() const = 0;
    // The off-screen frame, as large as the canvas, at the screen's device pixel ratio.
    virtual Surface& surface() = 0;
    // Shows the frame painted into surface(); only `changed` differs from the frame shown
    // before.
    virtual void present(const QRegion& changed) = 0;
    // Pointer shapes by number, as the cursor table loads them.
    virtual void setPointerShape(int shape) = 0;
    // Opens a popup menu at a canvas point.
    virtual void showPopup(MenuModel& menu, QPoint at) = 0;
    // Tells the control around the canvas that the pointer moved, so that it refreshes
    // its status bar and buttons.
    virtual void notifyParent() = 0;
};
