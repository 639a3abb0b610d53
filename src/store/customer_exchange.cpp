#include "store/customer_exchange.h"

#include "platform/database.h"
#include "platform/prompts.h"
#include "store/customer_store.h"
#include "store/exchange_file.h"
#include "store/exchange_text.h"

#include <QFile>
#include <QSaveFile>

namespace customer_exchange {
namespace {

using namespace exchange_text;

// The 27 customer columns in file order.
QStringList fieldsOf(const CustomerRecord& c) {
    return {c.projectname,
            c.name,
            c.work,
            c.addr,
            c.tele,
            c.tele2,
            c.fax,
            c.email,
            c.im,
            c.worker < 0 ? QString() : QString::number(c.worker),
            fromDate(c.designdate),
            fromDate(c.workdate),
            fromDate(c.enddate),
            fromBool(c.sex),
            fromDouble(c.keelLength),
            fromDouble(c.keelPrice),
            fromDouble(c.triangleKeelLength),
            fromDouble(c.triangleKeelPrice),
            fromDouble(c.connectors),
            fromDouble(c.hangers),
            fromDouble(c.installationFee),
            QString::number(c.shoubian),
            fromDouble(c.shoubianPrice),
            QString::number(c.zk),
            fromDouble(c.price),
            c.proid,
            QString::number(c.autoShoubian)};
}

// The customer row of an imported file; empty texts leave their columns at the defaults.
CustomerRecord customerOf(const ExchangeFile& file, qint32 compid, qint32 areaId) {
    const QStringList& f = file.fields;
    CustomerRecord c;
    c.version = 1;
    c.ming = file.ming;
    c.compid = compid;
    c.areaId = areaId;
    for (auto [index, text] : {std::pair{0, &CustomerRecord::projectname},
                               {1, &CustomerRecord::name},
                               {2, &CustomerRecord::work},
                               {3, &CustomerRecord::addr},
                               {4, &CustomerRecord::tele},
                               {5, &CustomerRecord::tele2},
                               {6, &CustomerRecord::fax},
                               {7, &CustomerRecord::email},
                               {8, &CustomerRecord::im}}) {
        c.*text = f[index];
    }
    c.worker = toInt(f[9]).value_or(-1);
    for (auto [index, date] : {std::pair{10, &CustomerRecord::designdate},
                               {11, &CustomerRecord::workdate},
                               {12, &CustomerRecord::enddate}}) {
        c.*date = toDate(f[index]).value_or(QDateTime());
    }
    c.sex = toBool(f[13]).value_or(c.sex);
    for (auto [index, value] : {std::pair{14, &CustomerRecord::keelLength},
                                {15, &CustomerRecord::keelPrice},
                                {16, &CustomerRecord::triangleKeelLength},
                                {17, &CustomerRecord::triangleKeelPrice},
                                {18, &CustomerRecord::connectors},
                                {19, &CustomerRecord::hangers},
                                {20, &CustomerRecord::installationFee},
                                {22, &CustomerRecord::shoubianPrice},
                                {24, &CustomerRecord::price}}) {
        c.*value = toDouble(f[index]).value_or(0);
    }
    c.shoubian = toInt(f[21]).value_or(0);
    c.zk = toInt(f[23]).value_or(c.zk);
    c.locked = true;
    c.proid = f[25].startsWith(u'*') ? f[25] : u'*' + f[25];
    c.autoShoubian = toInt(f[26]).value_or(1);
    return c;
}

RoomRecord roomOf(const ExchangeRoom& room, qint32 userId, bool withProducts) {
    RoomRecord r;
    r.userId = userId;
    r.title = room.title;
    r.roomstyle = toInt(room.roomstyle).value_or(r.roomstyle);
    r.zoom = toInt(room.zoom).value_or(r.zoom);
    r.paperWidth = toInt(room.paperWidth).value_or(r.paperWidth);
    r.notCacl = false; // the file carries no such flag: imported rooms are counted
    r.roomWall = room.wall;
    if (withProducts) {
        r.roomKouban = room.kouban;
        r.roomDianqi = room.dianqi;
    }
    r.pic = room.pic;
    return r;
}

} // namespace

bool exportCustomer(CustomerStore& store, qint32 id, const QString& path, Prompts& prompts) {
    const std::optional<CustomerRecord> customer = store.customer(id);
    if (!customer) {
        prompts.message(QStringLiteral("未发现记录!"));
        return false;
    }
    ExchangeFile file;
    file.ming = customer->ming;
    file.compid = customer->compid;
    file.areaId = customer->areaId;
    file.areaTitle = customer->areaTitle;
    file.fields = fieldsOf(*customer);
    file.prolist = customer->prolist;
    file.otherlist = customer->otherlist;
    for (const RoomRecord& room : store.roomsOf(id)) {
        file.rooms.push_back({room.title, QString::number(room.roomstyle),
                              QString::number(room.userId), QString::number(room.zoom),
                              QString::number(room.paperWidth), room.roomWall, room.roomKouban,
                              room.roomDianqi, room.pic});
    }
    QSaveFile out(path);
    const QByteArray bytes = encodeExchangeFile(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        prompts.message(QStringLiteral("导出数据错误!"));
        return false;
    }
    prompts.message(QStringLiteral("成功导出数据!"));
    return true;
}

std::optional<qint32> importCustomer(CustomerStore& store, qint32 compid, const QString& path,
                                     Prompts& prompts) {
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        prompts.message(QStringLiteral("导入数据库失败!"));
        return std::nullopt;
    }
    const ExchangeRead read = decodeExchangeFile(in.readAll());
    const ExchangeFile& file = read.file;
    const bool withProducts = !read.headerRead || file.compid == compid;
    if (!withProducts) {
        prompts.message(QStringLiteral("厂商信息不匹配,无法导入产品信息!"));
    }
    if (!read.customerRead) {
        prompts.message(QStringLiteral("导入数据库失败!"));
        return std::nullopt;
    }
    std::size_t k = 0;
    try {
        Transaction transaction(store.database());
        qint32 areaId = store.nameId(NameList::Areas, file.areaTitle);
        if (areaId < 0) {
            areaId = store.addName(NameList::Areas, file.areaTitle);
        }
        CustomerRecord customer = customerOf(file, compid, areaId);
        if (withProducts) {
            customer.prolist = file.prolist;
            customer.otherlist = file.otherlist;
        }
        const qint32 id = store.insertCustomer(customer);
        for (; k < file.rooms.size(); ++k) {
            store.insertRoom(roomOf(file.rooms[k], id, withProducts));
        }
        if (!read.complete) {
            prompts.message(QStringLiteral("第%1个房间导入错误!").arg(k + 1));
            return std::nullopt; // the transaction is rolled back
        }
        transaction.commit();
        if (!store.customerExists(id)) {
            prompts.message(QStringLiteral("导入数据库失败!"));
            return std::nullopt;
        }
        prompts.message(QStringLiteral("客户项目导入成功!"));
        return id;
    } catch (const DatabaseError& error) {
        // A store that is busy, read-only or out of reach is not the room's fault.
        const bool roomFault =
            k < file.rooms.size() && error.cause() == DatabaseError::Cause::Other;
        prompts.message(roomFault ? QStringLiteral("第%1个房间导入错误!").arg(k + 1)
                                  : QString::fromUtf8(error.what()));
        return std::nullopt;
    }
}

} // namespace customer_exchange
