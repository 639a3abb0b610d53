#include "store/customer_list_model.h"
#include "store/customer_workbook.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

#include <QFile>
#include <QProcess>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <map>

namespace {

QByteArray unzipped(const QString& workbook, const QString& member) {
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), workbook, member});
    EXPECT_TRUE(unzip.waitForFinished(10000));
    return unzip.readAllStandardOutput();
}

// A cell as read back: its text for strings, else "n:" + its number, and its style index.
struct Cell {
    QString value;
    QString style;
};

// The first worksheet of an .xlsx file by row and column (both from 0), read from the
// sheet XML and its shared strings.
std::map<std::pair<int, int>, Cell> readSheet(const QString& path) {
    QStringList shared;
    QXmlStreamReader strings(unzipped(path, QStringLiteral("xl/sharedStrings.xml")));
    while (!strings.atEnd()) {
        if (strings.readNext() == QXmlStreamReader::StartElement && strings.name() == u"t") {
            shared << strings.readElementText();
        }
    }
    std::map<std::pair<int, int>, Cell> cells;
    QXmlStreamReader sheet(unzipped(path, QStringLiteral("xl/worksheets/sheet1.xml")));
    std::pair<int, int> at;
    Cell cell;
    bool isString = false;
    while (!sheet.atEnd()) {
        sheet.readNext();
        if (sheet.isStartElement() && sheet.name() == u"c") {
            const QString ref = sheet.attributes().value(QLatin1String("r")).toString();
            at = {ref.mid(1).toInt() - 1, ref[0].unicode() - 'A'};
            isString = sheet.attributes().value(QLatin1String("t")) == u"s";
            cell = Cell{QString(), sheet.attributes().value(QLatin1String("s")).toString()};
        } else if (sheet.isStartElement() && sheet.name() == u"v") {
            const QString v = sheet.readElementText();
            cell.value = isString ? shared.value(v.toInt()) : QStringLiteral("n:") + v;
            cells[at] = cell;
        }
    }
    return cells;
}

std::vector<CustomerListRow> sampleRows() {
    return {{12, QStringLiteral("HT0012"), QStringLiteral("王五"), QStringLiteral("010-1"),
             QStringLiteral("139"), QStringLiteral("东区"), QStringLiteral("长安街 1 号"),
             QDate(2024, 3, 1), 1234.5, false},
            {11,
             QStringLiteral("HT0011"),
             QStringLiteral("赵六"),
             {},
             {},
             {},
             {},
             QDate(1899, 12, 30),
             0,
             false}};
}

} // namespace

TEST(CustomerWorkbook, TheWorkbookHoldsTheListedRowsWithNumbersAndDates) {
    TempFolder folder;
    CustomerListModel list;
    list.setRows(sampleRows());
    for (const auto mode : {CustomerListModel::Detailed, CustomerListModel::Names}) {
        list.setMode(mode);
        const QString path = folder.file(QStringLiteral("客户%1.xlsx").arg(int(mode)));
        ASSERT_TRUE(writeCustomerWorkbook(list, path));
        const auto cells = readSheet(path);
        for (int column = 0; column < CustomerListModel::Columns; ++column) {
            EXPECT_EQ(cells.at({0, column}).value, CustomerListModel::captions()[column]);
        }
        for (int row = 0; row < list.rowCount(); ++row) {
            for (const int column : {1, 2, 3, 4, 5, 6}) {
                const auto cell = cells.find({row + 1, column});
                const QString value = cell == cells.end() ? QString() : cell->second.value;
                EXPECT_EQ(value, list.text(row, column)) << row << ',' << column;
            }
        }
        EXPECT_EQ(cells.at({1, 0}).value,
                  mode == CustomerListModel::Detailed ? QStringLiteral("n:2") : "王五");
        EXPECT_EQ(cells.at({2, 0}).value,
                  mode == CustomerListModel::Detailed ? QStringLiteral("n:1") : "赵六");
        EXPECT_EQ(cells.at({1, 8}).value, QStringLiteral("n:1234.5"));
        EXPECT_EQ(cells.at({2, 8}).value, QStringLiteral("n:0"));
        // Dates are day numbers counted from 30 December 1899, shown with a date style.
        const Cell date = cells.at({1, 7});
        EXPECT_EQ(date.value, QStringLiteral("n:") +
                                  QString::number(QDate(1899, 12, 30).daysTo(QDate(2024, 3, 1))));
        EXPECT_FALSE(date.style.isEmpty());
        EXPECT_EQ(cells.count({2, 7}), 0u) << "the zero date stays blank";
    }
}

TEST(CustomerWorkbook, TheExportAsksForTheFileAndBeforeReplacingOne) {
    TempFolder folder;
    CustomerListModel list;
    list.setRows(sampleRows());
    const QString filter = QStringLiteral("Excel文件(*.xlsx)|*.xlsx");
    const QString named = folder.file(QStringLiteral("list"));
    const QString written = named + QStringLiteral(".xlsx");

    ScriptedPrompts prompts;
    prompts.answerPath(named);
    prompts.answerPath(named);
    prompts.answerConfirm(false);
    prompts.answerPath(written);
    prompts.answerConfirm(true);
    prompts.answerPath(folder.file(QStringLiteral("missing/list.xlsx")));
    prompts.answerCancel();
    for (int i = 0; i < 5; ++i) {
        exportCustomerList(list, prompts, folder.path());
        if (i == 0) {
            ASSERT_TRUE(QFile::exists(written));
            QFile::resize(written, 10);
        }
    }
    const QString save = QStringLiteral("save:导出全部客户信息|") +
                         folder.file(QStringLiteral("全部客户信息.xlsx")) + u'|' + filter;
    const QString ask = QStringLiteral("yesno:询问|该文件已经存在，要覆盖吗？");
    EXPECT_EQ(prompts.shown,
              QStringList({save, "message:数据导出完毕！", save, ask, save, ask,
                           "message:数据导出完毕！", save, "message:无法调用Excel！", save}));
    EXPECT_EQ(prompts.captions, QStringList({"系统提示", "系统提示"}));
    EXPECT_GT(QFileInfo(written).size(), 1000) << "replaced by a whole workbook after yes";
}
