#include "store/customer_workbook.h"

#include "platform/prompts.h"
#include "store/customer_list_model.h"

#include <QDir>
#include <QFileInfo>

#include <xlsxwriter.h>

namespace {

lxw_datetime cellDate(QDate date) {
    return {date.year(), date.month(), date.day(), 0, 0, 0};
}

void writeRow(lxw_worksheet* sheet, lxw_format* dateFormat, const CustomerListModel& list,
              int row) {
    const lxw_row_t cellRow = lxw_row_t(row + 1);
    const CustomerListRow& r = list.rows()[std::size_t(row)];
    for (int column = 0; column < CustomerListModel::Columns; ++column) {
        const auto col = lxw_col_t(column);
        if (column == CustomerListModel::Number && list.mode() == CustomerListModel::Detailed) {
            worksheet_write_number(sheet, cellRow, col, list.text(row, column).toDouble(), nullptr);
        } else if (column == CustomerListModel::Price) {
            worksheet_write_number(sheet, cellRow, col, r.price, nullptr);
        } else if (column == CustomerListModel::DesignDate) {
            if (!list.text(row, column).trimmed().isEmpty()) {
                lxw_datetime date = cellDate(r.designdate);
                worksheet_write_datetime(sheet, cellRow, col, &date, dateFormat);
            }
        } else {
            worksheet_write_string(sheet, cellRow, col, list.text(row, column).toUtf8().constData(),
                                   nullptr);
        }
    }
}

} // namespace

bool writeCustomerWorkbook(const CustomerListModel& list, const QString& path) {
    lxw_workbook* book = workbook_new(QFile::encodeName(path).constData());
    if (!book) {
        return false;
    }
    lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
    lxw_format* dateFormat = workbook_add_format(book);
    format_set_num_format(dateFormat, "yyyy-mm-dd");
    const QStringList captions = CustomerListModel::captions();
    for (int column = 0; column < captions.size(); ++column) {
        worksheet_write_string(sheet, 0, lxw_col_t(column), captions[column].toUtf8().constData(),
                               nullptr);
    }
    for (int row = 0; row < list.rowCount(); ++row) {
        writeRow(sheet, dateFormat, list, row);
    }
    return workbook_close(book) == LXW_NO_ERROR;
}

void exportCustomerList(CustomerListModel& list, Prompts& prompts, const QString& folder) {
    QString path =
        prompts.chooseSaveFile(QStringLiteral("导出全部客户信息"),
                               QDir(folder).filePath(QStringLiteral("全部客户信息.xlsx")),
                               QStringLiteral("Excel文件(*.xlsx)|*.xlsx"));
    if (path.isEmpty()) {
        return;
    }
    if (!path.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive)) {
        path += QStringLiteral(".xlsx");
    }
    // The question is about the file that will be replaced, so it comes after the
    // extension is settled; an existing file is replaced only by a complete workbook.
    if (QFileInfo::exists(path) &&
        !prompts.askYesNo(QStringLiteral("询问"), QStringLiteral("该文件已经存在，要覆盖吗？"))) {
        return;
    }
    list.fetchAll();
    if (!writeCustomerWorkbook(list, path)) {
        prompts.message(QStringLiteral("无法调用Excel！"));
        return;
    }
    prompts.captionedMessage(QStringLiteral("系统提示"), QStringLiteral("数据导出完毕！"));
}
