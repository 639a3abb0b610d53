#pragma once

#include "core/current_product.h"

#include <QByteArray>
#include <QList>
#include <QPoint>
#include <QtGlobal>

#include <array>
#include <memory>

class TRoom_OBJ;

// One undo step: a snapshot of the walls, the grid heads, the cells of the active
// range and the objects. Only the cells of the active range are kept, so a snapshot's
// size follows the room's size rather than the whole grid's.
struct historyrec {
    static constexpr int Heads = 1001;
    static constexpr int CellRecordSize = 5;    // int32 value, byte attribute
    static constexpr int ObjectRecordSize = 21; // five int32, byte selected flag

    // Fills a snapshot from the room as it is now.
    static std::unique_ptr<historyrec> capture(const TRoom_OBJ& room);
    // Writes the snapshot's active range, origin, room mode, outline, grid heads, cells
    // and objects back into the room. Cells of the room's present active range that the
    // snapshot does not cover are emptied, so that nothing laid after the snapshot
    // lingers outside its range.
    void restoreInto(TRoom_OBJ& room) const;
    // The bytes the snapshot holds, streams and arrays included.
    qint64 byteSize() const;

    // Per column c: the grid entries (c, 0), (c, 1), (c, 2): width, strip entry, strip
    // length; per row r: (0, r), (1, r), (2, r) likewise.
    std::array<std::array<qint32, 3>, Heads> columnHeads{};
    std::array<std::array<qint32, 3>, Heads> rowHeads{};
    std::array<quint8, Heads> columnHeadAttributes{};
    std::array<quint8, Heads> rowHeadAttributes{};
    qint32 firstColumn = 1;
    qint32 firstRow = 1;
    qint32 lastColumn = 1;
    qint32 lastRow = 1;
    // Column by column, each from the first row to the last: int32 value, byte attribute.
    QByteArray cellStream;
    QList<QPoint> corners; // plan points
    QList<quint8> kinds;
    QPoint origin;
    // Per object: int32 id, orientation, x, y, kind, byte selected flag.
    QByteArray objectStream;
    qint32 roomMode = 0;
    // Kept for reference; restoring does not use them.
    quint8 tool = 0;
    quint8 editMode = 0;
    CurrentProduct product;
};
