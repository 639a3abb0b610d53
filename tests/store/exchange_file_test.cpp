#include "platform/database.h"
#include "platform/gbk.h"
#include "store/customer_exchange.h"
#include "store/customer_store.h"
#include "store/exchange_file.h"
#include "store/store_schema.h"
#include "support/scripted_prompts.h"
#include "support/test_database.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

constexpr qint32 Company = 7;

class Exchange : public ::testing::TestWithParam<Engine> {
protected:
    void SetUp() override {
        OPEN_TEST_DATABASE_OR_SKIP(storeHome, db);
        createStoreSchema(db);
    }

    // A customer of the company with an area, a handler and rooms of the three modes.
    qint32 storedCustomer(int rooms = 3, const QString& area = QStringLiteral("阳光小区")) {
        CustomerRecord c;
        c.compid = Company;
        c.proid = QStringLiteral("HT0012");
        c.name = QStringLiteral("张三");
        c.addr = QStringLiteral("中山路1号");
        c.tele = QStringLiteral("0571-1234");
        c.sex = false;
        c.designdate = QDateTime(QDate(2026, 3, 4), QTime(0, 0));
        c.workdate = QDateTime(QDate(2026, 12, 1), QTime(14, 5, 9));
        c.keelLength = 1.25;
        c.keelPrice = 3.3;
        c.installationFee = 12.5;
        c.shoubian = 18000;
        c.shoubianPrice = 2.5;
        c.zk = 95;
        c.price = 1234;
        c.ming = 12;
        c.autoShoubian = 0;
        c.prolist = QByteArray("bill lines");
        c.otherlist = QByteArray("items");
        c.areaId = area.isNull() ? -1 : store.addName(NameList::Areas, area);
        c.worker = store.addName(NameList::Handlers, QStringLiteral("李四"));
        const qint32 id = store.insertCustomer(c);
        for (int r = 0; r < rooms; ++r) {
            RoomRecord room;
            room.userId = id;
            room.title = QStringLiteral("房间%1").arg(r);
            room.roomstyle = r % 3;
            room.zoom = 8 + 2 * r;
            room.paperWidth = 2000;
            room.roomWall = QByteArray(40 + r, char('a' + r));
            room.roomKouban = QByteArray(400, char(r));
            room.roomDianqi = QByteArray(25, char(0x80 + r));
            room.pic = QByteArray(300, char(0xFF - r));
            store.insertRoom(room);
        }
        return id;
    }

    QByteArray exported(qint32 id) {
        const QString path = folder.file(QStringLiteral("导出.zpk"));
        EXPECT_TRUE(customer_exchange::exportCustomer(store, id, path, prompts));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }
    std::optional<qint32> imported(const QByteArray& bytes, qint32 company = Company) {
        const QString path = folder.file(QStringLiteral("导入.zpk"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        return customer_exchange::importCustomer(store, company, path, prompts);
    }
    int count(const char* table) {
        return db.scalar(QStringLiteral("select count(*) from ") + QString::fromUtf8(table))
            .toInt();
    }

    TempFolder folder;
    TestDatabase storeHome{GetParam()};
    Database db;
    CustomerStore store{db};
    ScriptedPrompts prompts;
};

} // namespace

TEST_P(Exchange, ACustomerAndItsRoomsComeBackAsANewLockedCustomer) {
    const qint32 id = storedCustomer();
    const QByteArray bytes = exported(id);
    EXPECT_EQ(prompts.messages(), QStringList{QStringLiteral("成功导出数据!")});
    const std::optional<qint32> copy = imported(bytes);
    ASSERT_TRUE(copy);
    EXPECT_NE(*copy, id);
    const CustomerRecord a = *store.customer(id);
    const CustomerRecord b = *store.customer(*copy);
    EXPECT_EQ(b.proid, QStringLiteral("*HT0012"));
    EXPECT_TRUE(b.locked);
    EXPECT_EQ(b.areaId, a.areaId) << "the area found by its name";
    for (auto field : {&CustomerRecord::name, &CustomerRecord::addr, &CustomerRecord::tele,
                       &CustomerRecord::areaTitle}) {
        EXPECT_EQ(b.*field, a.*field);
    }
    EXPECT_EQ(b.designdate, a.designdate);
    EXPECT_EQ(b.workdate, a.workdate);
    EXPECT_EQ(b.enddate, a.enddate) << "an empty date stays empty";
    EXPECT_EQ(b.sex, a.sex);
    for (auto value :
         {&CustomerRecord::keelLength, &CustomerRecord::keelPrice, &CustomerRecord::installationFee,
          &CustomerRecord::shoubianPrice, &CustomerRecord::price}) {
        EXPECT_DOUBLE_EQ(b.*value, a.*value);
    }
    EXPECT_EQ(std::tie(b.shoubian, b.zk, b.ming, b.autoShoubian, b.worker, b.prolist, b.otherlist),
              std::tie(a.shoubian, a.zk, a.ming, a.autoShoubian, a.worker, a.prolist, a.otherlist));
    const std::vector<RoomRecord> original = store.roomsOf(id);
    const std::vector<RoomRecord> copied = store.roomsOf(*copy);
    ASSERT_EQ(copied.size(), original.size());
    for (std::size_t r = 0; r < copied.size(); ++r) {
        EXPECT_EQ(std::tie(copied[r].title, copied[r].roomstyle, copied[r].zoom, copied[r].roomWall,
                           copied[r].roomKouban, copied[r].roomDianqi, copied[r].pic),
                  std::tie(original[r].title, original[r].roomstyle, original[r].zoom,
                           original[r].roomWall, original[r].roomKouban, original[r].roomDianqi,
                           original[r].pic));
        EXPECT_EQ(copied[r].userId, *copy);
    }

    // Twice: two customers with one leading "*" each; a "*" number stays as it is.
    const std::optional<qint32> again = imported(exported(*copy));
    ASSERT_TRUE(again);
    EXPECT_EQ(store.customer(*again)->proid, QStringLiteral("*HT0012"));
    // The older layout: no magic, version or minimum coverage, which becomes 5.
    const std::optional<qint32> older = imported(bytes.mid(12));
    ASSERT_TRUE(older);
    EXPECT_EQ(store.customer(*older)->ming, 5);
    EXPECT_EQ(store.roomsOf(*older).size(), 3u);
}

TEST_P(Exchange, NoRoomsNoAreaAndAnotherCompany) {
    const qint32 bare = storedCustomer(0, QString());
    const QByteArray bytes = exported(bare);
    EXPECT_EQ(bytes.right(4), QByteArray(4, '\0')) << "a room count of 0 ends the file";
    const int areas = count("arealist");
    ASSERT_TRUE(imported(bytes));
    ASSERT_TRUE(imported(bytes));
    EXPECT_EQ(count("arealist"), areas) << "no area is made for an empty name";

    prompts.shown.clear();
    const std::optional<qint32> foreign = imported(exported(storedCustomer()), Company + 1);
    ASSERT_TRUE(foreign);
    EXPECT_TRUE(prompts.messages().contains(QStringLiteral("厂商信息不匹配,无法导入产品信息!")));
    const CustomerRecord c = *store.customer(*foreign);
    EXPECT_EQ(c.compid, Company + 1) << "the importing installation's company";
    EXPECT_TRUE(c.prolist.isEmpty());
    EXPECT_TRUE(c.otherlist.isEmpty());
    for (const RoomRecord& room : store.roomsOf(*foreign)) {
        EXPECT_FALSE(room.roomWall.isEmpty());
        EXPECT_FALSE(room.pic.isEmpty());
        EXPECT_TRUE(room.roomKouban.isEmpty());
        EXPECT_TRUE(room.roomDianqi.isEmpty());
    }
}

// Every cut stores nothing and names, under "导入数据库失败!", the part that is damaged.
TEST_P(Exchange, AFileCutAnywhereImportsNothingAndSaysWhereItIsDamaged) {
    const qint32 id = storedCustomer(2);
    const QByteArray bytes = exported(id);
    const int customers = count("userlist");
    const int rooms = count("roomlist");
    const int areas = count("arealist");
    // The parts' ends: the header (five integers and the area name), then the rooms from
    // the back, each its five texts and four blocks with their counts.
    const qsizetype headerEnd = 20 + 4 + gbk::encode(QStringLiteral("阳光小区")).size();
    std::vector<qsizetype> roomStarts;
    qsizetype roomStart = bytes.size();
    const std::vector<RoomRecord> stored = store.roomsOf(id);
    for (auto room = stored.rbegin(); room != stored.rend(); ++room) {
        roomStart -= 9 * 4 + QString::number(room->roomstyle).size() +
                     QString::number(room->userId).size() + QString::number(room->zoom).size() +
                     QString::number(room->paperWidth).size() + gbk::encode(room->title).size() +
                     room->roomWall.size() + room->roomKouban.size() + room->roomDianqi.size() +
                     room->pic.size();
        roomStarts.insert(roomStarts.begin(), roomStart);
    }
    const auto partAt = [&](qsizetype cut) {
        if (cut < headerEnd) {
            return QStringLiteral("文件头已损坏，不是完整的工程文件");
        }
        if (cut < roomStarts[0]) {
            return QStringLiteral("客户资料已损坏");
        }
        return QStringLiteral("第%1个房间的数据已损坏").arg(cut < roomStarts[1] ? 1 : 2);
    };
    for (qsizetype cut = 0; cut < bytes.size(); ++cut) {
        prompts.shown.clear();
        ASSERT_FALSE(imported(bytes.left(cut))) << "cut at " << cut;
        ASSERT_EQ(std::tuple(count("userlist"), count("roomlist"), count("arealist")),
                  std::tuple(customers, rooms, areas))
            << "cut at " << cut;
        ASSERT_EQ(prompts.messages(),
                  QStringList{QStringLiteral("导入数据库失败!\n") + partAt(cut)})
            << "cut at " << cut;
    }
    prompts.shown.clear();
    EXPECT_FALSE(customer_exchange::exportCustomer(store, 999, folder.file("x.zpk"), prompts));
    EXPECT_EQ(prompts.messages(), QStringList{QStringLiteral("未发现记录!")});
    EXPECT_FALSE(QFile::exists(folder.file("x.zpk")));
}

// Each of the 27 columns keeps its value and its empty state through a file: export,
// import and export again give the same bytes, integers and dates are written even when
// they stand for "none" (handler -1, the zero date), and only an empty text stores an
// empty column.
TEST_P(Exchange, EveryColumnKeepsItsValueAndItsEmptyStateThroughAFile) {
    const QStringList columns{"projectname",   "name",     "work",           "addr", "tele",
                              "tele2",         "fax",      "email",          "IM",   "worker",
                              "designdate",    "workdate", "enddate",        "sex",  "\"long\"",
                              "longprice",     "slong",    "slongprice",     "jie",  "diao",
                              "anzhuangprice", "shoubian", "shoubian_price", "zk",   "price"};
    const auto setAll = [&](qint32 id, const QVariant& text, const QVariant& number,
                            const QVariant& date) {
        for (const QString& column : columns) {
            const bool isDate = column.endsWith(QStringLiteral("date"));
            const bool isText = columns.indexOf(column) < 9;
            db.exec(QStringLiteral("update userlist set %1 = ? where id = ?").arg(column),
                    {isDate   ? date
                     : isText ? text
                              : number,
                     id});
        }
    };
    struct Case {
        const char* what;
        QVariant text, number, date;
    };
    const Case cases[] = {
        {"empty columns", QVariant(), QVariant(), QVariant()},
        {"values that stand for none", QString(""), -1, QVariant(zeroDate())},
        {"values", QStringLiteral("文字"), 7,
         QVariant(QDateTime(QDate(2026, 2, 3), QTime(4, 5, 6)))},
    };
    for (const Case& c : cases) {
        const qint32 id = storedCustomer(1);
        setAll(id, c.text, c.number, c.date);
        // The area the import finds by its name, and a number that keeps its "*".
        db.exec(QStringLiteral("update userlist set proid = '*HT7', AREAID = ? where id = ?"),
                {store.nameId(NameList::Areas, QStringLiteral("阳光小区")), id});
        const QByteArray first = exported(id);
        const std::optional<qint32> copy = imported(first);
        ASSERT_TRUE(copy) << c.what;
        // The same bytes but for the rooms' customer id, which is the exporting store's.
        const auto withoutRoomOwner = [](const QByteArray& bytes) {
            ExchangeFile file = decodeExchangeFile(bytes).file;
            for (ExchangeRoom& room : file.rooms) {
                room.userId.clear();
            }
            return encodeExchangeFile(file);
        };
        const QByteArray second = exported(*copy);
        EXPECT_EQ(decodeExchangeFile(second).file.fields, decodeExchangeFile(first).file.fields)
            << c.what;
        EXPECT_EQ(withoutRoomOwner(second), withoutRoomOwner(first)) << c.what;
        // An empty text is no text: it stores an empty column.
        for (const QString& column : columns) {
            const QString empty = columns.indexOf(column) < 9
                                      ? QStringLiteral("coalesce(%1, '') = ''")
                                      : QStringLiteral("%1 is null");
            const QString sql =
                QStringLiteral("select %1 from userlist where id = ?").arg(empty.arg(column));
            EXPECT_EQ(db.scalar(sql, {*copy}).toBool(), db.scalar(sql, {id}).toBool())
                << c.what << ": " << column.toStdString();
        }
        EXPECT_TRUE(
            db.scalar(QStringLiteral("select enddate is null = ? from userlist where id = ?"),
                      {c.date.isNull(), *copy})
                .toBool())
            << c.what << ": only an empty date stores an empty date";
        EXPECT_TRUE(
            db.scalar(QStringLiteral("select worker is null = ? from userlist where id = ?"),
                      {c.number.isNull(), *copy})
                .toBool())
            << c.what << ": only an empty handler stores no handler";
    }
    const qint32 zero = storedCustomer(0);
    setAll(zero, QString(""), -1, QVariant(zeroDate()));
    const ExchangeFile stated = decodeExchangeFile(exported(zero)).file;
    EXPECT_EQ(stated.fields[9], QStringLiteral("-1")) << "a handler of -1";
    EXPECT_EQ(stated.fields[12], QStringLiteral("1899/12/30")) << "the zero date";
}

// Texts that GBK cannot hold: the dealer is told which fields lose which characters and
// decides; cancelled, no file is written, confirmed, the characters become "?".
TEST_P(Exchange, CharactersOutsideGbkAreNamedBeforeTheFileIsWritten) {
    const qint32 id = storedCustomer(1);
    db.exec(QStringLiteral("update userlist set name = '张😀三😀', addr = '中山路🏠' where id = ?"),
            {id});
    db.exec(QStringLiteral("update roomlist set Title = '客厅🛋' where UserId = ?"), {id});
    const QString path = folder.file(QStringLiteral("表情.zpk"));
    prompts.answerConfirm(false);
    EXPECT_FALSE(customer_exchange::exportCustomer(store, id, path, prompts));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(prompts.shown,
              QStringList{QStringLiteral("confirm:以下字符无法写入交换文件: 客户「😀」，地址「🏠」，"
                                         "第1个房间的名称「🛋」")});
    prompts.answerConfirm(true);
    EXPECT_TRUE(customer_exchange::exportCustomer(store, id, path, prompts));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const ExchangeFile written = decodeExchangeFile(file.readAll()).file;
    EXPECT_EQ(written.fields[1], QStringLiteral("张?三?"));
    EXPECT_EQ(written.rooms.at(0).title, QStringLiteral("客厅?"));
}

INSTANTIATE_TEST_SUITE_P(Engines, Exchange, ::testing::Values(Engine::SQLite, Engine::PostgreSQL),
                         engineName);
