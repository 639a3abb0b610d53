#pragma once

#include "core/room_creation.h"
#include "platform/work_progress.h"

class QString;
class TRoom_OBJ;

// What the open project asks of the window that shows it: the room tabs, the customer
// page, the save button and the progress bar. Tests give a recording implementation.
class ProjectView {
public:
    virtual ~ProjectView() = default;

    // What a new room is created with (canvas, library, statistics list, canvas width).
    virtual RoomContext roomContext() = 0;
    // A tab for the room entry at `index` was added at the end; not yet active.
    virtual void roomAdded(int index, TRoom_OBJ& room) = 0;
    // The tab of the entry at `index` is going away; its room is still alive.
    virtual void roomRemoving(int index) = 0;
    virtual void roomRetitled(int index, const QString& title) = 0;
    // Makes the tab of the entry at `index` active (-1: the customer page) and runs the
    // tab change.
    virtual void activate(int index) = 0;
    // The customer fields, the area, handler, discount and lock changed in the project:
    // the customer page shows them again.
    virtual void customerChanged() = 0;
    // The save button and the "保存" entry follow the edited flag.
    virtual void editedChanged(bool edited) = 0;
    // The save's progress bar: `maximum` 0 hides it.
    virtual void progress(int value, int maximum) = 0;
    // Lets pending window events run during long loops.
    virtual void processEvents() {}
    // Where long work on the project (opening it) reports its progress.
    virtual WorkProgress& work() { return noProgress(); }
};
