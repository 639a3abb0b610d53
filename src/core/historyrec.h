#pragma once

#include "core/current_product.h"

#include <QByteArray>
#include <QList>
#include <QPoint>
#include <QtGlobal>

#include <array>

// One undo step: a snapshot of the walls, the grid heads, the cells of the active
// range and the objects.
struct historyrec {
    static constexpr int Heads = 1001;

    // Per column c: the grid entries (c, 0), (c, 1), (c, 2); per row likewise.
    std::array<std::array<qint32, 3>, Heads> columnHeads{};
    std::array<std::array<qint32, 3>, Heads> rowHeads{};
    std::array<quint8, Heads> columnHeadAttributes{};
    std::array<quint8, Heads> rowHeadAttributes{};
    qint32 firstColumn = 1;
    qint32 firstRow = 1;
    qint32 lastColumn = 1;
    qint32 lastRow = 1;
    QByteArray cellStream; // per cell of the range: int32 value, byte attribute
    QList<QPoint> corners; // plan points
    QList<quint8> kinds;
    QPoint origin;
    QByteArray objectStream; // per object: id, orientation, x, y, kind, selected
    qint32 roomMode = 0;
    // Kept for reference; restoring does not use them.
    quint8 tool = 0;
    quint8 editMode = 0;
    CurrentProduct product;
};
