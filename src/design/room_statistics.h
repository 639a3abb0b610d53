#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class TRoom_OBJ;
struct Ppdu_id;

// One row of the room statistics list: a category heading or a product line.
struct StatisticsRow {
    QString caption;
    QStringList subItems; // "规格", "数量", "单位"; blank on a heading
    int imageIndex = 0;   // 0 heading, 1 product line
    int state = 0;        // the category id of a heading, the product id of a line
};

// The room statistics list under the design canvas ("产品", "规格", "数量", "单位"): a
// plain list model that the active room rewrites after every count and that the main
// window shows, told by `rowsChanged`.
class RoomStatisticsView {
public:
    const std::vector<StatisticsRow>& rows() const { return rows_; }
    // Replaces the rows; the window reuses its rows by index.
    void setRows(std::vector<StatisticsRow> rows);
    void clear() { setRows({}); }

    std::function<void()> rowsChanged;

    // The size column: width "X" height for square panels and appliances, the height
    // (length) alone for the other kinds.
    static QString sizeText(const Ppdu_id& line);
    // The quantity to two decimals in its shortest form: 3, 2.5, 12.35.
    static QString quantityText(double quantity);

private:
    std::vector<StatisticsRow> rows_;
};

// The rows of a room's statistics list, as the room shows them after its count.
std::vector<StatisticsRow> statisticsRows(const TRoom_OBJ& room);
