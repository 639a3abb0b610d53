#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstddef>
#include <vector>

// The design file of the previous program generation (".dsn"): one room's grid of cells,
// its placed objects and wall corners, a few customer fields and the products it used,
// all identified by the ids of that generation's own product library. Little-endian
// 32-bit integers and 64-bit doubles; text lines are GBK bytes ended by a carriage return.
namespace v5_design {

inline constexpr char Signature[] = "this a soft for design";
inline constexpr int SignatureSize = sizeof Signature - 1;
// Columns and rows of the file's cell grid, stored column by column.
inline constexpr int GridSide = 220;
// The most non-display items and bill lines a file may hold.
inline constexpr int MostEntries = 101;

struct PlacedObject {
    qint32 a = 0; // position in V5 cell units / 10
    qint32 b = 0;
    qint32 id = 0;
    qint32 orientation = 0;
};

struct Corner {
    qint32 x = 0; // V5 coordinates, scaled by the header's scale
    qint32 y = 0;
};

struct OtherItem {
    qint32 id = 0;
    qint32 number = 0;
};

struct BillLine {
    qint32 id = 0;
    double price = 0;
};

struct Design {
    quint8 style = 0; // V5 room style 0..7
    qint32 cellWidth = 0;
    qint32 cellHeight = 0;
    double scale = 0;   // V5 coordinates to plan cm
    qint32 offsetX = 0; // as stored; scaled before use
    qint32 offsetY = 0;
    qint32 objectShiftX = 0; // as stored; scaled before use
    qint32 objectShiftY = 0;
    std::vector<qint32> cells; // GridSide² product ids (-1 empty), column-major
    std::vector<quint8> attributes;
    std::vector<PlacedObject> objects;
    std::vector<Corner> corners;

    QString name;
    QString telephone;
    QString address;
    bool male = true;
    qint32 amount = 0; // whole yuan
    QString designDate;
    QString workDate;
    QString endDate;
    QString remarks;

    std::vector<OtherItem> otherItems;
    std::vector<BillLine> billLines;

    // Columns and rows 1..GridSide.
    qint32 cell(int column, int row) const { return cells[index(column, row)]; }
    quint8 attribute(int column, int row) const { return attributes[index(column, row)]; }

private:
    static std::size_t index(int column, int row) {
        return std::size_t(column - 1) * GridSide + std::size_t(row - 1);
    }
};

enum class ReadStatus {
    Read,
    NotADesignFile, // the signature is missing
    Damaged,        // the file ends early or holds a value no design can have
    TooManyEntries, // more than MostEntries non-display items or bill lines
};

struct ReadResult {
    ReadStatus status = ReadStatus::NotADesignFile;
    Design design; // complete only when status is Read
};

bool hasSignature(const QByteArray& bytes);

// Reads the whole file. Every count is checked against the bytes left before anything
// is allocated for it, so a damaged file gives Damaged and never a partial design.
ReadResult read(const QByteArray& bytes);

} // namespace v5_design
