#include "design/design_workspace.h"

#include "core/troom_obj.h"

namespace workspace {

InputDecision decideInput(const InputEvent& event, bool& ctrlHeld) {
    const bool key = event.type == InputType::KeyPress || event.type == InputType::KeyRelease;
    // Alt alone never takes the focus to the menu bar, in any window: it stays free as
    // the modifier of the fill gestures.
    if (key && event.key == Qt::Key_Alt && (event.modifiers & ~Qt::AltModifier) == 0) {
        return {true, InputAction::None};
    }
    if (!event.mainWindowActive) {
        return {};
    }
    if (key && event.key == Qt::Key_Control) {
        ctrlHeld = event.type == InputType::KeyPress;
        return {};
    }
    if (!event.roomActive || !event.overCanvas) {
        return {};
    }
    if (event.type == InputType::Wheel) {
        return {true, InputAction::Zoom};
    }
    if (event.type != InputType::KeyPress) {
        return {};
    }
    switch (event.key) {
    case Qt::Key_Delete:
        return {true, InputAction::DeleteAtPointer};
    case Qt::Key_Z:
        return ctrlHeld ? InputDecision{true, InputAction::Undo} : InputDecision{};
    case Qt::Key_Y:
        return ctrlHeld ? InputDecision{true, InputAction::Redo} : InputDecision{};
    default:
        return {};
    }
}

} // namespace workspace
