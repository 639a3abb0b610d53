#pragma once

#include "design/design_workspace.h"

#include <QObject>

#include <functional>

class QWidget;

// The application-wide filter of key and wheel events for the design workspace: every
// event passes it before it reaches its widget (installed on the application). Pointer
// moves over a room page around the canvas are passed on as well.
class KeyFilter : public QObject {
public:
    struct Hooks {
        // The event's widget lies in the main window. Keys reach only the active window, so
        // this is the main window being active, told by the event itself rather than by
        // the window system's activation, which arrives later.
        std::function<bool(const QWidget* target)> inMainWindow;
        std::function<bool()> roomActive;
        // The innermost visible widget under the pointer is the canvas.
        std::function<bool()> overCanvas;
        // The pointer moved over the canvas's surroundings (a room page).
        std::function<void()> surroundingsMoved;
        // Runs the action decided; the wheel's delta for a zoom.
        std::function<void(workspace::InputAction, int wheelDelta)> run;
    };

    KeyFilter(Hooks hooks, QObject* parent = nullptr);

    bool ctrlHeld() const { return ctrlHeld_; }

    // The standard test of `overCanvas`: the widget under the pointer's screen position.
    static bool pointerOver(const QWidget* canvas);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Hooks hooks_;
    bool ctrlHeld_ = false;
};
