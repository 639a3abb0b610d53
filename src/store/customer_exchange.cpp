#include "store/customer_exchange.h"

#include "platform/database.h"
#include "platform/prompts.h"
#include "store/area_names.h"
#include "store/customer_store.h"
#include "store/exchange_file.h"
#include "store/exchange_text.h"

#include <QFile>
#include <QSaveFile>
#include <QSqlQuery>
#include <QSqlRecord>

namespace customer_exchange {
namespace {

using namespace exchange_text;

// The 27 customer columns in file order with the kind of value each holds and, for
// texts, the field's caption.
struct Column {
    const char* name;
    Kind kind;
    const char* caption = nullptr;
};
constexpr Column customerColumns[ExchangeFile::FieldCount] = {
    {"projectname", Kind::Text, "工程名称"},
    {"name", Kind::Text, "客户"},
    {"work", Kind::Text, "单位"},
    {"addr", Kind::Text, "地址"},
    {"tele", Kind::Text, "电话"},
    {"tele2", Kind::Text, "手机"},
    {"fax", Kind::Text, "传真"},
    {"email", Kind::Text, "电子邮件"},
    {"IM", Kind::Text, "即时通讯"},
    {"worker", Kind::Integer},
    {"designdate", Kind::Date},
    {"workdate", Kind::Date},
    {"enddate", Kind::Date},
    {"sex", Kind::YesNo},
    {"long", Kind::Number},
    {"longprice", Kind::Number},
    {"slong", Kind::Number},
    {"slongprice", Kind::Number},
    {"jie", Kind::Number},
    {"diao", Kind::Number},
    {"anzhuangprice", Kind::Number},
    {"shoubian", Kind::Integer},
    {"shoubian_price", Kind::Number},
    {"zk", Kind::Integer},
    {"price", Kind::Number},
    {"proid", Kind::Text, "项目编号"},
    {"Autoshoubian", Kind::Integer}};
constexpr int ProidField = 25;
constexpr int AutoShoubianField = 26;

// The customer columns of the stored row as the file's texts; a null column gives an
// empty text.
QStringList fieldsOf(Database& db, qint32 id) {
    QSqlQuery q = db.exec(QStringLiteral("select * from user_view where id = ?"), {id});
    QStringList fields;
    if (!q.next()) {
        return fields;
    }
    const QSqlRecord shape = q.record();
    for (const Column& column : customerColumns) {
        fields << textOf(column.kind, q.value(shape.indexOf(QString::fromLatin1(column.name))));
    }
    return fields;
}

// Writes the file's texts into the columns of customer `id`: an empty text leaves its
// column empty. The project number gets its leading "*"; an automatic edge trim that
// does not convert is off.
void storeFields(Database& db, qint32 id, const QStringList& fields) {
    QStringList assignments;
    QVariantList values;
    for (int i = 0; i < ExchangeFile::FieldCount; ++i) {
        const QString name = QString::fromLatin1(customerColumns[i].name);
        assignments << (name == QStringLiteral("long") ? u'"' + name + u'"' : name) +
                           QStringLiteral(" = ?");
        values << valueOf(customerColumns[i].kind, fields[i]);
    }
    const QString& proid = fields[ProidField];
    values[ProidField] = proid.startsWith(u'*') ? proid : u'*' + proid;
    if (values[AutoShoubianField].isNull()) {
        values[AutoShoubianField] = 1;
    }
    db.exec(QStringLiteral("update userlist set %1 where id = ?").arg(assignments.join(u',')),
            values << id);
}

// The row an imported customer is inserted with, before its columns from the file.
CustomerRecord customerOf(const ExchangeFile& file, qint32 compid, qint32 areaId) {
    CustomerRecord c;
    c.version = 1;
    c.ming = file.ming;
    c.compid = compid;
    c.areaId = areaId;
    c.locked = true;
    return c;
}

// "导入数据库失败!" with what went wrong on its second line.
QString failure(const QString& what) {
    return QStringLiteral("导入数据库失败!\n") + what;
}

// The first part of a file that could not be read whole.
QString damagedPart(const ExchangeRead& read) {
    if (!read.headerRead) {
        return QStringLiteral("文件头已损坏，不是完整的工程文件");
    }
    if (!read.customerRead) {
        return QStringLiteral("客户资料已损坏");
    }
    if (read.roomCount < 0) {
        return QStringLiteral("房间数目已损坏");
    }
    return QStringLiteral("第%1个房间的数据已损坏").arg(read.file.rooms.size() + 1);
}

// The texts of the file that lose characters in GBK, each as its caption with the
// characters lost, e.g. "客户「😀」".
QStringList lostCharacters(const ExchangeFile& file) {
    QStringList lost;
    const auto check = [&lost](const QString& caption, const QString& text) {
        const QString missing = charactersOutsideGbk(text);
        if (!missing.isEmpty()) {
            lost << caption + u'「' + missing + u'」';
        }
    };
    check(QStringLiteral("小区"), file.areaTitle);
    for (int i = 0; i < ExchangeFile::FieldCount; ++i) {
        if (customerColumns[i].caption) {
            check(QString::fromUtf8(customerColumns[i].caption), file.fields[i]);
        }
    }
    for (std::size_t k = 0; k < file.rooms.size(); ++k) {
        check(QStringLiteral("第%1个房间的名称").arg(k + 1), file.rooms[k].title);
    }
    return lost;
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
    file.fields = fieldsOf(store.database(), id);
    file.prolist = customer->prolist;
    file.otherlist = customer->otherlist;
    for (const RoomRecord& room : store.roomsOf(id)) {
        file.rooms.push_back({room.title, QString::number(room.roomstyle),
                              QString::number(room.userId), QString::number(room.zoom),
                              QString::number(room.paperWidth), room.roomWall, room.roomKouban,
                              room.roomDianqi, room.pic});
    }
    const QStringList lost = lostCharacters(file);
    if (!lost.isEmpty() && !prompts.confirm(QStringLiteral("以下字符无法写入交换文件: ") +
                                            lost.join(QStringLiteral("，")))) {
        return false;
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
        prompts.message(failure(QStringLiteral("无法读取文件")));
        return std::nullopt;
    }
    const ExchangeRead read = decodeExchangeFile(in.readAll());
    const ExchangeFile& file = read.file;
    const bool withProducts = !read.headerRead || file.compid == compid;
    if (!withProducts) {
        prompts.message(QStringLiteral("厂商信息不匹配,无法导入产品信息!"));
    }
    if (!read.complete) {
        prompts.message(failure(damagedPart(read)));
        return std::nullopt;
    }
    std::size_t k = 0;
    try {
        Transaction transaction(store.database());
        const qint32 areaId = areaNamed(store, file.areaTitle);
        CustomerRecord customer = customerOf(file, compid, areaId);
        if (withProducts) {
            customer.prolist = file.prolist;
            customer.otherlist = file.otherlist;
        }
        const qint32 id = store.insertCustomer(customer);
        storeFields(store.database(), id, file.fields);
        for (; k < file.rooms.size(); ++k) {
            store.insertRoom(roomOf(file.rooms[k], id, withProducts));
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
        prompts.message(failure(roomFault ? QStringLiteral("第%1个房间导入错误!").arg(k + 1)
                                          : QString::fromUtf8(error.what())));
        return std::nullopt;
    }
}

} // namespace customer_exchange
