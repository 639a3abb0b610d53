#pragma once

#include "store/customer_query.h"

#include <QAbstractTableModel>

#include <vector>

// The browser's customer list as an item model. Column 0 is the row's caption, which
// depends on the display mode: the running number (the top row has the highest) in the
// detailed list, the project number or the customer name in the two icon modes. The
// other columns are those of the detailed list. Every item carries the customer id as
// its user role.
class CustomerListModel : public QAbstractTableModel {
public:
    enum Mode { Detailed = 0, ProjectNumbers = 1, Names = 2 };
    enum Column {
        Number,
        ProjectNumber,
        Name,
        Tele,
        Tele2,
        Area,
        Addr,
        DesignDate,
        Price,
        Columns
    };

    using QAbstractTableModel::QAbstractTableModel;

    Mode mode() const { return mode_; }
    void setMode(Mode mode);

    const std::vector<CustomerListRow>& rows() const { return rows_; }
    void setRows(std::vector<CustomerListRow> rows);
    void insertTop(CustomerListRow row);
    // Replaces the row of the same id.
    void replace(const CustomerListRow& row);
    void remove(qint32 id);
    // The row of the customer; -1 when it is not listed.
    int rowOf(qint32 id) const;
    qint32 idAt(int row) const;

    // The text shown in a cell; a design date in 1899 (the zero date) shows as two spaces.
    QString text(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Sorts by the column, and every list set later too: texts in pinyin order, numbers
    // within them by value, the design date and the amount by value, the running number
    // by age (descending: newest first, the order the store lists in).
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // The column captions of the detailed list.
    static QStringList captions();

private:
    void sortRows();

    std::vector<CustomerListRow> rows_;
    Mode mode_ = Detailed;
    int sortColumn_ = Number;
    Qt::SortOrder sortOrder_ = Qt::DescendingOrder;
};

// A design date as the list shows it: empty (two spaces) for the zero date of 1899.
QString designDateText(QDate date);
