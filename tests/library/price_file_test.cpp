#include "manager_library.h"

#include "library/price_file.h"
#include "support/stopping_progress.h"

#include <QFile>
#include <QtEndian>

#include <random>

namespace {

QByteArray record(qint32 id, double price) {
    QByteArray bytes(12, '\0');
    qToLittleEndian(id, bytes.data());
    qToLittleEndian(price, bytes.data() + 4);
    return bytes;
}

} // namespace

using PriceFile = ManagerLibrary;

TEST_F(PriceFile, ExportThenImportRestoresPricesAndBadFilesChangeNothing) {
    auto m = manager();
    const QString file = home.file(QStringLiteral("备份文件/价格.design"));
    prompts.answerPath(home.file(QStringLiteral("备份文件/价格")));
    m->exportPrices();
    ASSERT_EQ(prompts.messages(), QStringList{"成功导出产品价格!"});
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    ASSERT_EQ(bytes.size(), 5 * 12);
    EXPECT_EQ(bytes.left(12), record(101, 20));

    db.exec(QStringLiteral("update pic set price=price*3"));
    // A 0-byte file imports nothing and reports success.
    home.write(QStringLiteral("empty.design"), {});
    // A damaged file (not whole records), or one with a record the engine refuses, changes
    // nothing at all.
    home.write(QStringLiteral("damaged.design"), record(101, 1) + QByteArray(1, '\0'));
    struct Case {
        const char* name;
        const char* message;
    };
    for (const Case& c :
         {Case{"empty.design", "成功导入产品价格!"}, Case{"damaged.design", "导入产品价格失败!"},
          Case{"missing.design", "导入产品价格失败!"}}) {
        prompts.shown.clear();
        prompts.answerPath(home.file(QString::fromUtf8(c.name)));
        m->importPrices(noProgress());
        EXPECT_EQ(prompts.messages(), QStringList{QString::fromUtf8(c.message)}) << c.name;
        EXPECT_DOUBLE_EQ(priceOf(101), 60) << c.name;
    }

    // Ids that do not exist change nothing; the others take the file's prices.
    QFile append(file);
    ASSERT_TRUE(append.open(QIODevice::Append));
    append.write(record(999, 5));
    append.close();
    prompts.shown.clear();
    prompts.answerPath(file);
    m->importPrices(noProgress());
    EXPECT_EQ(prompts.messages(), QStringList{"成功导入产品价格!"});
    for (const auto& [id, price] : {std::pair{101, 20.0}, {102, 25.0}, {50101, 40.0}}) {
        EXPECT_DOUBLE_EQ(priceOf(id), price) << id;
    }
    EXPECT_EQ(count(QStringLiteral("select count(*) from pic where id=999")), 0);

    // A cancelled choice does nothing.
    prompts.shown.clear();
    prompts.answerCancel();
    m->importPrices(noProgress());
    EXPECT_TRUE(prompts.messages().isEmpty());
}

TEST_F(PriceFile, AnImportStoppedAtAnyRecordLeavesEveryPriceAsItWas) {
    auto m = manager();
    const qint32 ids[] = {101, 102, 50101};
    std::mt19937 random(5);
    QByteArray bytes;
    for (int i = 0; i < 30; ++i) {
        bytes += record(ids[random() % 3], double(random() % 1000) / 4);
    }
    home.write(QStringLiteral("价格.design"), bytes);
    const auto prices = [&] {
        QList<double> all;
        for (const qint32 id : ids) {
            all << priceOf(id);
        }
        return all;
    };
    const QList<double> before = prices();
    for (int round = 0; round < 8; ++round) {
        const int stopAt = int(random() % 30);
        StoppingProgress progress(stopAt);
        prompts.shown.clear();
        prompts.answerPath(home.file(QStringLiteral("价格.design")));
        m->importPrices(progress);
        EXPECT_EQ(progress.reported.size(), stopAt + 1) << "stopped at " << stopAt;
        EXPECT_EQ(progress.open, 0);
        EXPECT_TRUE(prompts.messages().isEmpty()) << "the user stopped it: nothing to say";
        EXPECT_EQ(prices(), before) << "stopped at " << stopAt;
    }
    StoppingProgress progress;
    prompts.answerPath(home.file(QStringLiteral("价格.design")));
    m->importPrices(progress);
    EXPECT_EQ(progress.totals, QList<int>{30});
    EXPECT_EQ(progress.cancellables, QList<bool>{true});
    EXPECT_EQ(progress.reported.back(), 30);
    EXPECT_NE(prices(), before);
}
