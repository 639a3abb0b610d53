#pragma once

#include "quote/project_copy.h"

#include <QPointer>

#include <unordered_map>
#include <unordered_set>

class OpenProject;
class QTimer;
class TRoom_OBJ;

// Takes the automatic copies of the open project on the user-interface thread. Only the
// rooms that may have changed since the last copy are encoded again: the active room,
// rooms active while the user worked, and rooms not seen before. The others are copied
// with their plain columns and keep the records the recovery file holds.
class AutosaveSnapshotter {
public:
    // The user worked while `room` was active; it is encoded with the next copy.
    void touch(const TRoom_OBJ* room);
    ProjectCopy take(OpenProject& project, const TRoom_OBJ* active);
    // The last copy was not written, or the file is gone: the next encodes every room.
    void forget();

private:
    struct Seen {
        qint64 key = 0;
        // Lives exactly as long as the room, so that a new room at the address of a freed
        // one is never taken for it.
        QPointer<QTimer> life;
    };
    std::unordered_map<const TRoom_OBJ*, Seen> seen_;
    std::unordered_set<const TRoom_OBJ*> touched_;
    qint64 nextKey_ = 1;
};
