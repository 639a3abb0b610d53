#include "ui/key_filter.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QWheelEvent>
#include <QWidget>

KeyFilter::KeyFilter(Hooks hooks, QObject* parent) : QObject(parent), hooks_(std::move(hooks)) {}

bool KeyFilter::pointerOver(const QWidget* canvas) {
    return canvas && canvas->isVisible() && QApplication::widgetAt(QCursor::pos()) == canvas;
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
    workspace::InputEvent input;
    int wheelDelta = 0;
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        input.type = event->type() == QEvent::KeyPress ? workspace::InputType::KeyPress
                                                       : workspace::InputType::KeyRelease;
        input.key = key->key();
        input.modifiers = key->modifiers();
        break;
    }
    case QEvent::Wheel: {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->angleDelta().y() == 0) {
            return QObject::eventFilter(watched, event);
        }
        input.type = workspace::InputType::Wheel;
        input.modifiers = wheel->modifiers();
        wheelDelta = wheel->angleDelta().y();
        break;
    }
    case QEvent::MouseMove:
        if (hooks_.surroundingsMoved && watched->objectName() == QLatin1String("roomPage")) {
            hooks_.surroundingsMoved();
        }
        return QObject::eventFilter(watched, event);
    default:
        return QObject::eventFilter(watched, event);
    }
    // Key events travel up to the parents of an ignoring widget and pass the filter at
    // every step; only widgets are asked (the window handle sees them first).
    if (!watched->isWidgetType()) {
        return QObject::eventFilter(watched, event);
    }
    input.mainWindowActive =
        hooks_.inMainWindow && hooks_.inMainWindow(static_cast<const QWidget*>(watched));
    input.roomActive = hooks_.roomActive && hooks_.roomActive();
    input.overCanvas = input.roomActive && hooks_.overCanvas && hooks_.overCanvas();
    const workspace::InputDecision decision = workspace::decideInput(input, ctrlHeld_);
    if (decision.action != workspace::InputAction::None && hooks_.run) {
        hooks_.run(decision.action, wheelDelta);
    }
    if (decision.handled) {
        event->accept();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
