#include "library/price_file.h"

#include "platform/database.h"
#include "platform/work_progress.h"

#include <QDataStream>
#include <QFile>
#include <QSaveFile>
#include <QSqlQuery>

namespace price_file {

bool exportPrices(Database& library, const QString& path) {
    try {
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly)) {
            return false;
        }
        QDataStream out(&file);
        out.setByteOrder(QDataStream::LittleEndian);
        out.setFloatingPointPrecision(QDataStream::DoublePrecision);
        QSqlQuery q = library.exec(QStringLiteral("select id,price from pic"));
        while (q.next()) {
            out << qint32(q.value(0).toInt()) << q.value(1).toDouble();
        }
        return out.status() == QDataStream::Ok && file.commit();
    } catch (const DatabaseError&) {
        return false;
    }
}

ImportOutcome importPrices(Database& library, const QString& path, WorkProgress& progress) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return ImportOutcome::Failed;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError || bytes.size() % RecordSize != 0) {
        return ImportOutcome::Failed;
    }
    const int records = int(bytes.size() / RecordSize);
    ProgressScope work(progress, QStringLiteral("导入价格"), records, true);
    QDataStream in(bytes);
    in.setByteOrder(QDataStream::LittleEndian);
    in.setFloatingPointPrecision(QDataStream::DoublePrecision);
    try {
        Transaction t(library);
        for (int record = 0; record < records; ++record) {
            if (!work.advance(record)) {
                return ImportOutcome::Cancelled; // rolled back
            }
            qint32 id = 0;
            double price = 0;
            in >> id >> price;
            library.exec(QStringLiteral("update pic set price=? where id=?"), {price, id});
        }
        t.commit();
        work.advance(records);
        return ImportOutcome::Imported;
    } catch (const DatabaseError&) {
        return ImportOutcome::Failed;
    }
}

} // namespace price_file
