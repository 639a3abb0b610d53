#include "cli_fixture.h"

#include "platform/gbk.h"
#include "support/pdf_text.h"

#include <QDir>

#include <cmath>

namespace {

// The amount of the statistics table's "总计" row in a statistics file.
double grandTotalOf(const QString& statisticsText) {
    for (const QString& line : statisticsText.split(QStringLiteral("\r\n"))) {
        const QStringList cells = line.split(u'\t');
        if (cells.first() == QStringLiteral("总计") && cells.size() > 6) {
            return cells[6].toDouble();
        }
    }
    return -1;
}

} // namespace

// The project amount of an unlocked customer follows the customer's own discount on every
// command line path, without any window; a locked customer keeps its stored amount.
TEST_F(CliTest, QuoteAndPagesShowTheAmountOfTheCustomersDiscount) {
    const qint32 id = addDesignedCustomer(QStringLiteral("钱八"), {QStringLiteral("客厅")});
    const QString customer = QString::number(id);
    const QString statistics = home.file(QStringLiteral("统计.xls"));
    const CliResult written =
        run({QStringLiteral("statistics"), customer, QStringLiteral("--out"), statistics});
    ASSERT_EQ(written.exitCode, 0) << written.errorLines.join(u'\n').toStdString();
    const double grandTotal = grandTotalOf(gbk::decode(fileBytes(statistics)));
    ASSERT_GT(grandTotal, 100);

    struct Case {
        int zk;
        bool locked;
        double stored;
        double shown;
    };
    const Case cases[] = {
        {95, false, 1, std::trunc(95 * grandTotal / 100)},
        {80, false, 1, std::trunc(80 * grandTotal / 100)},
        {95, true, 1234, 1234},
    };
    for (const Case& c : cases) {
        storeDb.exec(
            QStringLiteral("update userlist set zk = ?, locked = ?, price = ? where id = ?"),
            {c.zk, c.locked ? 1 : 0, c.stored, id});
        const QString amount = QString::number(qint64(c.shown)) + QStringLiteral("元");
        const std::string what = std::to_string(c.zk) + (c.locked ? " locked" : " unlocked");

        const CliResult again =
            run({QStringLiteral("statistics"), customer, QStringLiteral("--out"), statistics});
        ASSERT_EQ(again.exitCode, 0) << what;
        EXPECT_DOUBLE_EQ(grandTotalOf(gbk::decode(fileBytes(statistics))), grandTotal)
            << what << ": the table is not discounted";

        for (const char* mode : {"1", "2", "3"}) {
            const QString folder =
                home.file(QStringLiteral("pages%1-%2").arg(&c - cases).arg(mode));
            const CliResult result =
                run({QStringLiteral("pages"), customer, QStringLiteral("--mode"),
                     QString::fromUtf8(mode), QStringLiteral("--out"), folder});
            ASSERT_EQ(result.exitCode, 0) << what << result.errorLines.join(u'\n').toStdString();
            const QString page = gbk::decode(fileBytes(result.out.trimmed()));
            EXPECT_TRUE(page.contains(amount))
                << what << " mode " << mode << ": " << amount.toStdString();
        }

        const QString pdf = home.file(QStringLiteral("报价%1.pdf").arg(&c - cases));
        const CliResult quoted =
            run({QStringLiteral("quote"), customer, QStringLiteral("--pdf"), pdf});
        ASSERT_EQ(quoted.exitCode, 0) << what;
        EXPECT_TRUE(pdfText(pdf).contains(amount)) << what << ": " << amount.toStdString();
    }
}
