#pragma once

#include "core/otherrec.h"
#include "core/ppdu_id.h"
#include "store/customer_record.h"
#include "store/cutting_stock_table.h"

#include <QDateTime>
#include <QList>

#include <optional>

#include <vector>

// One room of an automatic copy of the open project.
struct CopiedRoom {
    // Identifies the room among the copies one running program writes.
    qint64 key = 0;
    // The room's row in the customer store; -1 while it was never saved.
    qint32 entryId = -1;
    // Title, room mode, zoom, paper width, excluded flag and the three records; no picture.
    RoomRecord row;
    // The room is unchanged since the last copy: the records are not in `row` and the
    // recovery file keeps those it holds for the key.
    bool recordsKept = false;
    // The room's own ceiling height in cm; none when it follows the setting.
    std::optional<int> ceilingHeight;
};

// The open project as an automatic copy holds it: the customer row as the customer page
// holds it, the bill lines, the non-display items and every room in tab order.
struct ProjectCopy {
    CustomerRecord customer;
    QList<Ppdu_id> billLines;
    QList<otherrec> items;
    std::vector<CopiedRoom> rooms;
    // The dealer's stock lengths of the cutting list.
    CuttingStock cuttingStock;
};

// Who wrote a copy and when.
struct CopyHeader {
    qint64 pid = 0;
    QDateTime savedAt;
    // Counts the copies of one running program from 1.
    qint32 number = 0;
};

// The customer row, bill lines and items of a copy as one byte block, and back. Every
// field is kept as it is, also those the customer store would not keep.
QByteArray encodeProjectPart(const ProjectCopy& copy);
bool decodeProjectPart(const QByteArray& bytes, ProjectCopy& copy);
