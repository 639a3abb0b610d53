#include "library/library_schema.h"
#include "platform/database.h"
#include "quote/setup_file.h"
#include "quote/setup_keys.h"
#include "store/store_schema.h"

#include <QDateTime>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

// `yanzhou-cli customers` as a whole process, start-up included, on a program folder
// whose store holds 10 000 customers of the company and 1 000 of another.

namespace {

constexpr int Company = 7;
constexpr int Listed = 10000;

class ProgramFolder {
public:
    ProgramFolder() {
        const QString data = folder.filePath(QStringLiteral("数据文件"));
        QDir().mkpath(data);
        Database library;
        library.create(data + QStringLiteral("/db.data"));
        createLibrarySchema(library);
        Database store;
        store.create(data + QStringLiteral("/Userdb.data"));
        createStoreSchema(store);
        for (int a = 0; a < 30; ++a) {
            store.exec(QStringLiteral("insert into arealist (title) values (?)"),
                       {QStringLiteral("小区%1").arg(a)});
        }
        Transaction t(store);
        for (int c = 0; c < Listed + 1000; ++c) {
            store.exec(QStringLiteral("insert into userlist (Compid, name, proid, tele, AREAID, "
                                      "price, designdate) values (?, ?, ?, ?, ?, ?, ?)"),
                       {c < Listed ? Company : Company + 1, QStringLiteral("客户%1").arg(c),
                        QStringLiteral("HT%1").arg(c, 5, 10, QLatin1Char('0')),
                        QStringLiteral("0571-%1").arg(c * 7919 % 100000), 1 + c % 30, 1000.5 + c,
                        QDateTime(QDate(2020, 1, 1).addDays(c % 1500), QTime())});
        }
        t.commit();
        SetupFile(folder.filePath(QStringLiteral("setup.ini"))).write(setup::compid, Company);
    }

    QTemporaryDir folder;
};

void BM_CustomersAsAProcess(benchmark::State& state) {
    static ProgramFolder home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("DISPLAY"));
    for (auto _ : state) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(YZ_CLI_PATH),
                      {QStringLiteral("--home"), home.folder.path(), QStringLiteral("customers")});
        process.waitForFinished(60000);
        const QByteArray out = process.readAllStandardOutput();
        if (process.exitCode() != 0 || out.count('\n') != Listed) {
            state.SkipWithError("the list is wrong");
            break;
        }
    }
}
BENCHMARK(BM_CustomersAsAProcess)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

} // namespace
