#pragma once

#include <QCursor>
#include <QHash>
#include <QString>

#include <vector>

// The pointer shapes of the room tools, by slot number.
struct CursorFile {
    int slot;
    const char* file; // relative to the program folder
};

// Slots and files in the order they are loaded.
const std::vector<CursorFile>& cursorFiles();

// The loaded shapes. A file that is missing or cannot be read leaves its slot on the
// standard arrow. The files hold PNG data whatever their extension, with the hotspot
// in the text key "hotspot" as "x,y".
class CursorTable {
public:
    void load(const QString& programFolder);
    QCursor cursor(int slot) const;
    bool isLoaded(int slot) const { return loaded_.contains(slot); }
    // The hotspot given in a "x,y" text, clamped into the picture; the centre when absent
    // or unreadable.
    static QPoint parseHotspot(const QString& text, QSize size);

private:
    QHash<int, QCursor> loaded_;
};
