#pragma once

#include "store/customer_query.h"

#include <QAbstractTableModel>

#include <functional>
#include <optional>
#include <vector>

// The browser's customer list as an item model. Column 0 is the row's caption, which
// depends on the display mode: the running number (the top row has the highest) in the
// detailed list, the project number or the customer name in the two icon modes. The
// other columns are those of the detailed list. Every item carries the customer id as
// its user role. A list can be read a page at a time as the views scroll to its rows.
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

    // One page of the listed customers, newest first.
    using PageReader = std::function<std::vector<CustomerListRow>(const ListPage& page)>;
    static constexpr int PageSize = 200;

    // The rows read so far.
    const std::vector<CustomerListRow>& rows() const { return rows_; }
    // A list read at once.
    void setRows(std::vector<CustomerListRow> rows);
    // A list of `total` rows read as it is shown: its first page now, the next ones when
    // the views ask for more. A list in another order than newest first is read whole.
    void setPages(PageReader reader, int total);
    // Reads the rows not yet read, in one go.
    void fetchAll();
    // The number of listed rows, read or not.
    int total() const { return total_; }
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
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;
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
    bool newestFirst() const;
    // The next `limit` rows of the reader (0: all the rest); the reader is let go after
    // the last.
    std::vector<CustomerListRow> readPage(int limit);
    void append(std::vector<CustomerListRow> page);

    std::vector<CustomerListRow> rows_;
    int total_ = 0;
    PageReader reader_;
    std::optional<qint32> lastRead_;
    Mode mode_ = Detailed;
    int sortColumn_ = Number;
    Qt::SortOrder sortOrder_ = Qt::DescendingOrder;
};

// A design date as the list shows it: empty (two spaces) for the zero date of 1899.
QString designDateText(QDate date);
