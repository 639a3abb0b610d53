#include "library/library_schema.h"
#include "library/product_library.h"
#include "platform/database.h"
#include "platform/pinyin_order.h"
#include "store/customer_browser.h"
#include "store/customer_store.h"
#include "store/store_schema.h"
#include "store/stored_lists.h"
#include "support/scripted_prompts.h"
#include "support/test_database.h"
#include "support/titled_room.h"

#include <QCollator>
#include <QPersistentModelIndex>

#include <gtest/gtest.h>

#include <map>
#include <random>

namespace {

constexpr qint32 Company = 7;
constexpr qint32 OtherCompany = 8;

QStringList names(const CustomerListModel& list) {
    QStringList result;
    for (const CustomerListRow& row : list.rows()) {
        result << row.name;
    }
    return result;
}

// A customer store, on each engine, with two areas and a product library with three
// categories.
class BrowserTest : public ::testing::TestWithParam<Engine> {
protected:
    void SetUp() override {
        OPEN_TEST_DATABASE_OR_SKIP(storeHome, storeDb);
        createStoreSchema(storeDb);
        EXPECT_TRUE(libraryDb.create(home.file(QStringLiteral("db.data"))));
        createLibrarySchema(libraryDb);
        for (const auto& [id, name] : {std::pair{1, "扣板"}, {2, "电器"}, {3, "辅料"}}) {
            libraryDb.exec(QStringLiteral("insert into cailiao (id, cailiao) values (?, ?)"),
                           {id, QString::fromUtf8(name)});
        }
        east =
            qint32(storeDb.insert(QStringLiteral("insert into arealist (title) values ('东区')")));
        west =
            qint32(storeDb.insert(QStringLiteral("insert into arealist (title) values ('西区')")));
    }

    qint32 add(const QString& name, const QString& tele, const QString& tele2, qint32 area = -1,
               qint32 compid = Company, int rooms = 0) {
        CustomerRecord r;
        r.compid = compid;
        r.name = name;
        r.proid = QStringLiteral("HT-") + name;
        r.tele = tele;
        r.tele2 = tele2;
        r.addr = name + QStringLiteral("路");
        r.areaId = area;
        const qint32 id = store.insertCustomer(r);
        for (int i = 0; i < rooms; ++i) {
            RoomRecord room;
            room.userId = id;
            room.title = QStringLiteral("房间%1").arg(i);
            store.insertRoom(room);
        }
        return id;
    }

    TempFolder home;
    TestDatabase storeHome{GetParam()};
    Database storeDb;
    Database libraryDb;
    CustomerStore store{storeDb};
    ProductLibrary library{libraryDb};
    ScriptedPrompts prompts;
    CustomerBrowser browser{store, library, prompts, Company};
    qint32 east = -1;
    qint32 west = -1;
};

} // namespace

TEST_P(BrowserTest, TheListShowsTheCompanysCustomersNewestFirstWithTheirSummary) {
    browser.showAll();
    EXPECT_EQ(browser.summary().texts(),
              QStringList({"客户数：0", "房间数：0", "竣工数：0", "总金额：0元"}));

    CustomerRecord done;
    done.compid = Company;
    done.name = QStringLiteral("甲");
    done.price = 100.25;
    done.enddate = QDateTime::currentDateTime().addDays(3);
    done.designdate = QDateTime(QDate(2024, 5, 6), QTime(0, 0));
    const qint32 first = store.insertCustomer(done);
    store.insertRoom(titledRoom(first, QStringLiteral("客厅")));
    CustomerRecord past = done;
    past.name = QStringLiteral("乙");
    past.enddate = QDateTime::currentDateTime().addDays(-3);
    past.designdate = {};
    store.insertCustomer(past);
    CustomerRecord open = past;
    open.name = QStringLiteral("丙");
    open.enddate = {}; // stored as the zero date
    open.price = 100;
    store.insertCustomer(open);
    CustomerRecord foreign = done;
    foreign.compid = OtherCompany;
    foreign.name = QStringLiteral("外");
    store.insertRoom(titledRoom(store.insertCustomer(foreign), QStringLiteral("厨房")));

    browser.showAll();
    // 100.25 + 100.25 + 100 = 300.5, which rounds to the even 300.
    EXPECT_EQ(browser.summary().texts(),
              QStringList({"客户数：3", "房间数：1", "竣工数：1", "总金额：300元"}));
    CustomerListModel& list = browser.list();
    EXPECT_EQ(names(list), QStringList({"丙", "乙", "甲"}));
    EXPECT_EQ(list.headerData(8, Qt::Horizontal, Qt::DisplayRole).toString(),
              QStringLiteral("项目金额"));
    EXPECT_EQ(list.text(0, CustomerListModel::Number), QStringLiteral("3"));
    EXPECT_EQ(list.text(2, CustomerListModel::Number), QStringLiteral("1"));
    EXPECT_EQ(list.text(2, CustomerListModel::DesignDate), QStringLiteral("2024-05-06"));
    EXPECT_EQ(list.text(1, CustomerListModel::DesignDate), QStringLiteral("  "));
    EXPECT_EQ(list.text(2, CustomerListModel::Price), QStringLiteral("100.25"));
    list.setMode(CustomerListModel::Names);
    EXPECT_EQ(list.data(list.index(0, 0), Qt::DisplayRole).toString(), QStringLiteral("丙"));
    list.setMode(CustomerListModel::ProjectNumbers);
    EXPECT_EQ(list.data(list.index(0, 0), Qt::UserRole).toInt(), list.rows()[0].id);

    // A deleted customer leaves with its rooms; the summary is not recomputed.
    browser.select(first);
    browser.deleteCustomer(first);
    EXPECT_EQ(names(list), QStringList({"丙", "乙"}));
    EXPECT_EQ(browser.selected(), -1);
    EXPECT_EQ(storeDb.scalar(QStringLiteral("select count(*) from roomlist")).toInt(), 1);
    EXPECT_EQ(browser.summary().customers, 3);
}

TEST_P(BrowserTest, SearchesAndAreaFiltersMatchLiterallyWithinTheCompany) {
    add(QStringLiteral("王五"), QStringLiteral("5551234"), QString(), east);
    add(QStringLiteral("赵六"), QString(), QStringLiteral("1385551"), west);
    add(QStringLiteral("O'Brien"), QStringLiteral("777"), QStringLiteral("888"), east);
    add(QStringLiteral("百分之50%"), QStringLiteral("9_9"), QString());
    add(QStringLiteral("百分之500"), QStringLiteral("919"), QString());
    add(QStringLiteral("外人"), QStringLiteral("5551234"), QStringLiteral("555"), east,
        OtherCompany);

    const struct {
        const char* text;
        SearchField field;
        const char* area;
        QStringList expected;
    } cases[] = {
        {"", SearchField::None, "", {"百分之500", "百分之50%", "O'Brien", "赵六", "王五"}},
        {"  ", SearchField::Telephone, "", {"百分之500", "百分之50%", "O'Brien", "赵六", "王五"}},
        {"555", SearchField::Telephone, "", {"赵六", "王五"}},
        {"555", SearchField::Telephone, "  东区", {"王五"}},
        {"555", SearchField::Telephone, "西区", {"赵六"}},
        {"555", SearchField::None, "西区", {"赵六"}},
        {"9_9", SearchField::Telephone, "", {"百分之50%"}},
        {"50%", SearchField::Name, "", {"百分之50%"}},
        {"O'Brien", SearchField::Name, "", {"O'Brien"}},
        {"\u3000王五 ", SearchField::Name, "", {"王五"}},
        {"HT-赵", SearchField::ProjectNumber, "", {"赵六"}},
        {"六路", SearchField::Address, "", {"赵六"}},
        {"外人", SearchField::Name, "", {}},
    };
    for (const auto& c : cases) {
        browser.search(QString::fromUtf8(c.text), c.field, QString::fromUtf8(c.area));
        EXPECT_EQ(names(browser.list()).join(u','), c.expected.join(u','))
            << c.text << " in " << c.area;
    }
    // Texts that found customers are remembered once, newest first.
    EXPECT_EQ(browser.history(),
              QStringList({"六路", "HT-赵", "王五", "O'Brien", "50%", "9_9", "555"}));

    browser.filterArea(QStringLiteral("  东区"));
    EXPECT_EQ(names(browser.list()), QStringList({"O'Brien", "王五"}));
    EXPECT_EQ(browser.summary().customers, 2);
    browser.filterArea(QStringLiteral("  全部小区"));
    EXPECT_EQ(browser.list().rowCount(), 5);
}

TEST_P(BrowserTest, NameSearchesMatchPinyinAsWellOnEitherEngine) {
    add(QStringLiteral("张三"), QString(), QString(), east, Company, 2);
    add(QStringLiteral("曾小贤"), QString(), QString(), west, Company, 1);
    add(QStringLiteral("单田芳"), QString(), QString(), east, Company, 3);
    add(QStringLiteral("Zoe赵"), QString(), QString(), east);
    add(QStringLiteral("章子"), QString(), QString(), west, OtherCompany, 4);

    const struct {
        const char* text;
        const char* area;
        QStringList expected;
        int rooms;
    } cases[] = {
        {"zs", "", {"张三"}, 2},
        {"ZhangSan", "", {"张三"}, 2},
        {"zhangs", "", {"张三"}, 2},
        {"zh", "", {"Zoe赵", "张三"}, 2},
        {"z", "", {"Zoe赵", "曾小贤", "张三"}, 3},
        {"z", "东区", {"Zoe赵", "张三"}, 2},
        {"cengxiaoxian", "", {"曾小贤"}, 1},
        {"zxx", "", {"曾小贤"}, 1},
        {"shantf", "", {"单田芳"}, 3},
        {"dtf", "", {"单田芳"}, 3},
        {"oe", "", {"Zoe赵"}, 0},
        {"zz", "", {}, 0},
    };
    for (const auto& c : cases) {
        browser.search(QString::fromUtf8(c.text), SearchField::Name, QString::fromUtf8(c.area));
        EXPECT_EQ(names(browser.list()).join(u','), c.expected.join(u',')) << c.text;
        EXPECT_EQ(browser.summary().customers, c.expected.size()) << c.text;
        EXPECT_EQ(browser.summary().rooms, c.rooms) << c.text;
    }
    // Pinyin is a name's alone: no other field is spelled.
    browser.search(QStringLiteral("zs"), SearchField::Address, QString());
    EXPECT_EQ(browser.list().rowCount(), 0);
}

// Random names of Chinese, Latin letters of both cases and numbers, many of them equal
// but for case or repeated outright: every text heading gives the collator's own order,
// newest first among equals, both ways.
TEST_P(BrowserTest, TextHeadingsSortAsTheCollatorComparesOverRandomNames) {
    const QStringList parts = {"张", "章", "李", "阿", "a", "A", "b", "2", "10", "明", "三", " "};
    std::mt19937 random(1211);
    for (int i = 0; i < 150; ++i) {
        QString name;
        for (int n = 1 + int(random() % 4); n > 0; --n) {
            name += parts[int(random() % parts.size())];
        }
        add(name, parts[int(random() % parts.size())] + QString::number(random() % 30), QString());
    }
    browser.showAll();
    CustomerListModel& list = browser.list();
    list.fetchAll();
    std::vector<CustomerListRow> expected = list.rows();
    const QCollator collator = pinyinCollator();
    for (const auto column : {CustomerListModel::Name, CustomerListModel::Tele}) {
        for (const auto order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
            const int sign = order == Qt::AscendingOrder ? 1 : -1;
            const auto text = [column](const CustomerListRow& r) {
                return column == CustomerListModel::Name ? r.name : r.tele;
            };
            std::sort(expected.begin(), expected.end(),
                      [&](const CustomerListRow& a, const CustomerListRow& b) {
                          const int c = collator.compare(text(a), text(b));
                          return c != 0 ? sign * c < 0 : a.id > b.id;
                      });
            list.sort(column, order);
            ASSERT_EQ(list.rows().size(), expected.size());
            for (std::size_t i = 0; i < expected.size(); ++i) {
                ASSERT_EQ(list.rows()[i].id, expected[i].id)
                    << "column " << column << " order " << order << " row " << i;
            }
        }
    }
}

TEST_P(BrowserTest, AHeadingClickSortsByItsColumnUntilTheNextClick) {
    const qint32 zhang = add(QStringLiteral("张三"), QStringLiteral("20"), QString(), west);
    const qint32 a = add(QStringLiteral("阿明"), QStringLiteral("3"), QString(), east);
    const qint32 li = add(QStringLiteral("李四"), QStringLiteral("100"), QString(), west);
    browser.showAll();
    CustomerListModel& list = browser.list();
    EXPECT_EQ(names(list), QStringList({"李四", "阿明", "张三"}));

    list.sort(CustomerListModel::Name, Qt::AscendingOrder);
    EXPECT_EQ(names(list), QStringList({"阿明", "李四", "张三"}));
    list.sort(CustomerListModel::Name, Qt::DescendingOrder);
    EXPECT_EQ(names(list), QStringList({"张三", "李四", "阿明"}));
    // Telephone numbers by value; the areas 东区 (dong) before 西区 (xi), newest first
    // within one area.
    list.sort(CustomerListModel::Tele, Qt::AscendingOrder);
    EXPECT_EQ(names(list), QStringList({"阿明", "张三", "李四"}));
    list.sort(CustomerListModel::Area, Qt::AscendingOrder);
    EXPECT_EQ(names(list), QStringList({"阿明", "李四", "张三"}));
    // The order holds for the next lists, and a selected row keeps its selection.
    browser.search(QStringLiteral("l"), SearchField::Name, QString());
    EXPECT_EQ(names(list), QStringList({"李四"}));
    browser.showAll();
    const QPersistentModelIndex selected = list.index(list.rowOf(zhang), 0);
    list.sort(CustomerListModel::Number, Qt::DescendingOrder);
    EXPECT_EQ(names(list), QStringList({"李四", "阿明", "张三"}));
    EXPECT_EQ(list.idAt(selected.row()), zhang);
    list.sort(CustomerListModel::Number, Qt::AscendingOrder);
    EXPECT_EQ(list.idAt(0), zhang);
    EXPECT_EQ(list.idAt(1), a);
    EXPECT_EQ(list.idAt(2), li);
}

TEST_P(BrowserTest, SelectingACustomerShowsItsRoomsAndItsSummaryByCategory) {
    CustomerRecord r;
    r.compid = Company;
    r.name = QStringLiteral("钱七");
    // Lines are stored first to last and shown last first.
    r.prolist = stored_lists::encodeBillLines(
        {Ppdu_id{QStringLiteral("方板"), 11, 1, 0, 35.25, 12.346, -1, -1, QStringLiteral("块")},
         Ppdu_id{QStringLiteral("条板"), 12, 1, 1, 20, 3.5, -1, -1, QStringLiteral("米")}});
    r.otherlist = stored_lists::encodeOtherItems(
        {otherrec{11, 1, QStringLiteral("方板"), QStringLiteral("块"), -2, 0, 35.25},
         otherrec{11, 1, QStringLiteral("方板"), QStringLiteral("块"), 5, 0, 35.25},
         otherrec{31, 3, QStringLiteral("吊杆"), QStringLiteral("根"), -1, 4, 1.25},
         otherrec{32, 3, QStringLiteral("螺丝"), QStringLiteral("包"), 4, 4, 2.25}});
    const qint32 id = store.insertCustomer(r);
    const qint32 kitchen = store.insertRoom(titledRoom(id, QStringLiteral("厨房"), 2));

    browser.select(id);
    EXPECT_EQ(browser.billLines().size(), 2);
    std::vector<QStringList> rows;
    for (const SummaryRow& row : browser.projectSummary()) {
        rows.push_back(QStringList{row.caption} + row.values);
    }
    const std::vector<QStringList> expected{
        {"［扣板］"},
        {"  条板", "3.5", " ", "20", "70"},
        // Correction -2 + 5; (12.346 + 3) × 35.25 = 540.9465; halves go to even.
        {"  方板", "12.35", "3", "35.2", "540.9"},
        {"［辅料］"},
        {"  螺丝[非显示]", "4", "  ", "2.2", "9"},
        {"  吊杆[退货]", "-1", "  ", "1.2", "-1.2"},
    };
    EXPECT_EQ(rows, expected) << "电器 has nothing and is left out";
    ASSERT_EQ(browser.rooms().size(), 1u);
    EXPECT_EQ(browser.rooms()[0].roomstyle, 2);

    browser.renameRoom(kitchen, QStringLiteral(" 新厨房 "));
    EXPECT_EQ(browser.rooms()[0].title, QStringLiteral("新厨房"));
    EXPECT_EQ(store.room(kitchen)->title, QStringLiteral("新厨房"));
    EXPECT_TRUE(prompts.shown.isEmpty());

    browser.select(-1);
    EXPECT_TRUE(browser.projectSummary().empty());
    EXPECT_TRUE(browser.rooms().empty());
}

TEST_P(BrowserTest, TheListReadAsItIsShownHasTheRowsOfAFullReadAndTheirSums) {
    // Two and a half pages of the company's customers, some of another company, rooms
    // for some of them.
    std::mt19937 random(33);
    const qint32 areas[] = {east, west, -1};
    const QString surnames[] = {QStringLiteral("张"), QStringLiteral("李"), QStringLiteral("王"),
                                QStringLiteral("赵")};
    std::map<qint32, int> roomsOf;
    {
        Transaction t(storeDb);
        for (int c = 0; c < 2 * CustomerListModel::PageSize + 130; ++c) {
            const QDateTime day(QDate(2024, 1, 1).addDays(int(random() % 900)), QTime());
            const qint64 id = storeDb.insert(
                QStringLiteral("insert into userlist (Compid, name, proid, tele, tele2, addr, "
                               "AREAID, price, designdate, enddate) "
                               "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                {c % 9 == 4 ? OtherCompany : Company,
                 surnames[random() % 4] + QStringLiteral("客户%1").arg(random() % 300),
                 QStringLiteral("HT%1").arg(random() % 1000), QString::number(random() % 100000),
                 QString::number(random() % 1000), QStringLiteral("幸福路%1号").arg(c),
                 areas[random() % 3], double(random() % 40000) / 4,
                 c % 5 == 0 ? QVariant(QMetaType(QMetaType::QDateTime)) : QVariant(day),
                 c % 3 == 0
                     ? QVariant(QMetaType(QMetaType::QDateTime))
                     : QVariant(QDateTime::currentDateTime().addDays(int(random() % 61) - 30))});
            for (int r = 0; c % 4 == 1 && r < int(random() % 3); ++r) {
                storeDb.exec(QStringLiteral("insert into roomlist (UserId, Title) values (?, ?)"),
                             {id, QStringLiteral("房间")});
                ++roomsOf[qint32(id)];
            }
        }
        t.commit();
    }
    CustomerListModel& list = browser.list();
    const auto checkAgainstAFullRead = [&](const CustomerQuery& query, int column,
                                           Qt::SortOrder order, const char* what) {
        SCOPED_TRACE(what);
        CustomerListModel full;
        full.setRows(store.listCustomers(query));
        full.sort(column, order);
        ListSummary sums;
        for (const CustomerListRow& row : full.rows()) {
            ++sums.customers;
            sums.completed += row.completed ? 1 : 0;
            sums.total += row.price;
            sums.rooms += roomsOf[row.id];
        }
        EXPECT_EQ(browser.summary().texts(), sums.texts());
        EXPECT_NEAR(browser.summary().total, sums.total, 1e-6);
        EXPECT_EQ(list.total(), full.rowCount());
        // A view reads pages until it has what it shows.
        while (list.canFetchMore({})) {
            const int before = list.rowCount();
            list.fetchMore({});
            ASSERT_GT(list.rowCount(), before);
        }
        ASSERT_EQ(list.rowCount(), full.rowCount());
        for (int row = 0; row < full.rowCount(); ++row) {
            for (int c = 0; c < CustomerListModel::Columns; ++c) {
                ASSERT_EQ(list.text(row, c), full.text(row, c)) << "row " << row << " column " << c;
            }
        }
    };
    const auto lazily = [&] {
        EXPECT_LE(list.rowCount(), CustomerListModel::PageSize) << "the first page only";
    };

    browser.showAll();
    lazily();
    EXPECT_GT(list.total(), 2 * CustomerListModel::PageSize);
    checkAgainstAFullRead({Company, {}, SearchField::None, {}}, CustomerListModel::Number,
                          Qt::DescendingOrder, "all");
    browser.filterArea(QStringLiteral("  东区"));
    lazily();
    checkAgainstAFullRead({Company, QStringLiteral("东区"), SearchField::None, {}},
                          CustomerListModel::Number, Qt::DescendingOrder, "an area");
    browser.search(QStringLiteral("客户1"), SearchField::Name, QStringLiteral("西区"));
    checkAgainstAFullRead(
        {Company, QStringLiteral("西区"), SearchField::Name, QStringLiteral("客户1")},
        CustomerListModel::Number, Qt::DescendingOrder, "a name in an area");
    browser.search(QStringLiteral("12"), SearchField::Telephone, QString());
    checkAgainstAFullRead({Company, {}, SearchField::Telephone, QStringLiteral("12")},
                          CustomerListModel::Number, Qt::DescendingOrder, "a telephone number");

    // A heading click on a list not yet read through sorts every row of it, and so do
    // the lists after it.
    browser.showAll();
    list.sort(CustomerListModel::Name, Qt::AscendingOrder);
    checkAgainstAFullRead({Company, {}, SearchField::None, {}}, CustomerListModel::Name,
                          Qt::AscendingOrder, "sorted by name");
    browser.filterArea(QStringLiteral("西区"));
    checkAgainstAFullRead({Company, QStringLiteral("西区"), SearchField::None, {}},
                          CustomerListModel::Name, Qt::AscendingOrder, "an area sorted by name");
    list.sort(CustomerListModel::Price, Qt::DescendingOrder);
    checkAgainstAFullRead({Company, QStringLiteral("西区"), SearchField::None, {}},
                          CustomerListModel::Price, Qt::DescendingOrder, "sorted by amount");
    list.sort(CustomerListModel::Number, Qt::AscendingOrder);
    browser.showAll();
    checkAgainstAFullRead({Company, {}, SearchField::None, {}}, CustomerListModel::Number,
                          Qt::AscendingOrder, "oldest first");
    list.sort(CustomerListModel::Number, Qt::DescendingOrder);
    browser.showAll();
    lazily();
}

INSTANTIATE_TEST_SUITE_P(Engines, BrowserTest,
                         ::testing::Values(Engine::SQLite, Engine::PostgreSQL), engineName);
