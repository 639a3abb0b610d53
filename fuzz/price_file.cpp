#include "library/price_file.h"
#include "library/library_schema.h"
#include "platform/database.h"
#include "platform/work_progress.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

// A library of ten products priced 1..10, made once.
struct Library {
    Library() {
        db.create(folder.filePath(QStringLiteral("db.data")));
        createLibrarySchema(db);
        for (int id = 1; id <= 10; ++id) {
            db.exec(QStringLiteral("insert into pic (id, xinghao_id, title, price) "
                                   "values (?, 1, ?, ?)"),
                    {id, QStringLiteral("p%1").arg(id), double(id)});
        }
    }
    double total() { return db.scalar(QStringLiteral("select sum(price) from pic")).toDouble(); }

    QTemporaryDir folder;
    Database db;
};

} // namespace

// Imports arbitrary bytes as a price file: no input may crash, a length that is not a
// whole number of records is refused, and a refused file changes no price.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Library library;
    const QString path = library.folder.filePath(QStringLiteral("prices.design"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            std::abort();
        }
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    library.db.exec(QStringLiteral("update pic set price = id"));
    const double before = library.total();
    const bool imported = price_file::importPrices(library.db, path, noProgress()) ==
                          price_file::ImportOutcome::Imported;
    if (size % price_file::RecordSize != 0 && imported) {
        std::abort();
    }
    if (!imported && library.total() != before) {
        std::abort();
    }
    return 0;
}
