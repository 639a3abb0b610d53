#include "manager_library.h"

#include "library/price_file.h"

#include <QFile>
#include <QtEndian>

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
        m->importPrices();
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
    m->importPrices();
    EXPECT_EQ(prompts.messages(), QStringList{"成功导入产品价格!"});
    for (const auto& [id, price] : {std::pair{101, 20.0}, {102, 25.0}, {50101, 40.0}}) {
        EXPECT_DOUBLE_EQ(priceOf(id), price) << id;
    }
    EXPECT_EQ(count(QStringLiteral("select count(*) from pic where id=999")), 0);

    // A cancelled choice does nothing.
    prompts.shown.clear();
    prompts.answerCancel();
    m->importPrices();
    EXPECT_TRUE(prompts.messages().isEmpty());
}
