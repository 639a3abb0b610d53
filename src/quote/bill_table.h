#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <vector>

// One row of the statistics table.
struct BillRow {
    QString caption; // the 产品 column
    // 规格, 数量, 修正, 单位, 单价（元）, 金额（元）; product and non-display rows add the
    // kind code as a hidden seventh value.
    QStringList values;
    qint32 tag = -1; // product id; -1 heading or total; -2 .. -7 the accessories
    int icon = 0;    // 0 heading or total, 1 a line
};

// The statistics table of the customer page: "产品", "规格", "数量", "修正", "单位",
// "单价（元）", "金额（元）". A statistics pass writes it row by row by position and
// then cuts off what it did not write; the reports read the same rows.
class BillTable : public QAbstractTableModel {
public:
    static constexpr int Columns = 7;

    using QAbstractTableModel::QAbstractTableModel;

    const std::vector<BillRow>& rows() const { return rows_; }

    // A rewrite replaces row k, or appends it when the table has k rows; `truncate` drops
    // the rows from `count` on. Views see one change at the end.
    void beginRewrite();
    void setRow(int k, BillRow row);
    void truncate(int count);
    void endRewrite();
    void clear();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<BillRow> rows_;
};
