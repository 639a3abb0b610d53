#include "project_fixture.h"

#include "core/ppdu_id.h"
#include "library/product_library.h"
#include "quote/bill_of_materials.h"

#include <cmath>
#include <random>

namespace {

class BillTest : public ProjectTest {
protected:
    BillTest() : bill(*project, library, prompts, *view) {
        const std::vector<CategoryRow> all = ProductLibrary(library).allCategories();
        for (const CategoryRow& category : all) {
            categories.push_back(category);
        }
        EXPECT_GE(categories.size(), 2u) << "the demo library has several categories";
        CustomerRecord& c = project->customer;
        c.keelLength = c.keelPrice = c.triangleKeelLength = c.triangleKeelPrice = 0;
        c.connectors = c.hangers = c.installationFee = 0;
        c.autoShoubian = 1;
    }

    static Ppdu_id line(qint32 id, qint32 category, double number, double price) {
        return billLine(id, category, number, price);
    }
    static otherrec item(qint32 id, qint32 category, qint32 number, double price) {
        otherrec o;
        o.id = id;
        o.cailiao_id = category;
        o.title = QStringLiteral("产品%1").arg(id);
        o.danwei = QStringLiteral("个");
        o.number = number;
        o.price = price;
        return o;
    }
    // A drawn room whose count gave these bill lines.
    TRoom_OBJ& roomWith(int width, int height, const std::vector<Ppdu_id>& lines) {
        NewRoomRequest request;
        request.name = QStringLiteral("房间%1").arg(project->room_list.size());
        TRoom_OBJ& room = project->CreatNewRoom(request);
        drawRectangle(room, width, height);
        room.billLines.clear();
        for (const Ppdu_id& l : lines) {
            room.billLines.push_back(std::make_unique<Ppdu_id>(l));
        }
        return room;
    }

    const std::vector<BillRow>& rows() { return bill.table().rows(); }
    const BillRow* rowOf(const QString& caption) {
        for (const BillRow& row : rows()) {
            if (row.caption == caption) {
                return &row;
            }
        }
        return nullptr;
    }
    QStringList captions() {
        QStringList all;
        for (const BillRow& row : rows()) {
            all.append(row.caption);
        }
        return all;
    }

    BillOfMaterials bill;
    std::vector<CategoryRow> categories;
};

} // namespace

TEST_F(BillTest, RoomsSumIntoOneLineKeepingTheProjectPriceAndAnExcludedRoomCountsNothing) {
    const qint32 a = categories[0].id;
    roomWith(300, 300, {line(11, a, 10, 5)});
    TRoom_OBJ& second = roomWith(300, 400, {line(11, a, 4, 5), line(12, a, 2, 3)});
    bill.total();
    ASSERT_NE(rowOf(QStringLiteral("  产品11")), nullptr);
    EXPECT_EQ(rowOf(QStringLiteral("  产品11"))->values[1], QStringLiteral("14"));
    EXPECT_EQ(rowOf(QStringLiteral("  产品11"))->values[0], QStringLiteral("300X600"));
    EXPECT_DOUBLE_EQ(bill.area(), 9 + 12);
    EXPECT_EQ(bill.perimeter(), 12000 + 14000);

    project->price_list[0].price = 20; // the dealer's price for this project
    bill.total();
    EXPECT_EQ(rowOf(QStringLiteral("  产品11"))->values[4], QStringLiteral("20"));
    EXPECT_EQ(rowOf(QStringLiteral("  产品11"))->values[5], QStringLiteral("280"));

    second.not_Cacl = 1;
    bill.total();
    EXPECT_EQ(rowOf(QStringLiteral("  产品11"))->values[1], QStringLiteral("10"));
    EXPECT_EQ(rowOf(QStringLiteral("  产品12")), nullptr) << "only in the excluded room";
    EXPECT_DOUBLE_EQ(bill.area(), 9);
    EXPECT_EQ(bill.perimeter(), 12000);
    EXPECT_EQ(project->customer.shoubian, 12000);
    EXPECT_DOUBLE_EQ(bill.grandtotal(), 200);
}

TEST_F(BillTest, NonDisplayItemsMergeAsCorrectionsOrStandAsTheirOwnRows) {
    const qint32 a = categories[0].id;
    project->price_list = {line(11, a, 10, 5), line(12, a, 1, 2)};
    project->other_list = {item(11, a, 3, 99), item(13, a, 2, 4), item(14, a, -2, 6),
                           item(15, a, 0, 1)};
    bill.readfromPricelist();
    // Lines newest first, then items newest first; the zero item leaves the list.
    const QStringList expected{u'［' + categories[0].name + u'］',
                               QStringLiteral("  产品12"),
                               QStringLiteral("  产品11"),
                               QStringLiteral("  产品14[退货]"),
                               QStringLiteral("  产品13[非显示]"),
                               QStringLiteral("［附件］"),
                               QStringLiteral("总计")};
    EXPECT_EQ(captions(), expected);
    const BillRow& merged = *rowOf(QStringLiteral("  产品11"));
    EXPECT_EQ(merged.values[2], QStringLiteral("3"));
    EXPECT_EQ(merged.values[5], QStringLiteral("65")) << "(10 + 3) x 5 at the project price";
    EXPECT_EQ(rowOf(QStringLiteral("  产品12"))->values[2], QStringLiteral(" "));
    EXPECT_EQ(rowOf(QStringLiteral("  产品14[退货]"))->values[5], QStringLiteral("-12"));
    EXPECT_EQ(rowOf(QStringLiteral("  产品13[非显示]"))->tag, 13);
    EXPECT_EQ(project->other_list.size(), 3);
    EXPECT_DOUBLE_EQ(bill.grandtotal(), 65 + 2 + 8 - 12);
    EXPECT_EQ(rows().back().values[5], QStringLiteral("63"));
}

TEST_F(BillTest, ACategoryWithoutLinesDisappearsAndTheNextTakesItsRow) {
    project->price_list = {line(11, categories[0].id, 0, 5), line(21, categories[1].id, 1, 5)};
    bill.readfromPricelist();
    EXPECT_EQ(captions().first(), u'［' + categories[1].name + u'］');
    EXPECT_EQ(project->price_list.size(), 1) << "a line of quantity 0 leaves the list";
    // A second rebuild over a longer table cuts the rows it does not write.
    project->price_list.clear();
    bill.readfromPricelist();
    EXPECT_EQ(captions(), (QStringList{QStringLiteral("［附件］"), QStringLiteral("总计")}));
}

TEST_F(BillTest, AccessoriesFollowTheParametersAndOnlyPricedOnesCount) {
    roomWith(500, 400, {}); // 20 m², 18 m of walls
    CustomerRecord& c = project->customer;
    c.keelLength = 1.5;
    c.keelPrice = 3.3;
    c.triangleKeelLength = 0.5;
    c.triangleKeelPrice = 2;
    c.connectors = 4;
    c.hangers = 2;
    c.installationFee = 10;
    c.autoShoubian = 0;
    c.shoubianPrice = 2.25;
    bill.total();
    const QStringList expected{QStringLiteral("［附件］"),   QStringLiteral("  龙骨"),
                               QStringLiteral("  三角龙骨"), QStringLiteral("  接件"),
                               QStringLiteral("  吊件"),     QStringLiteral("  收边条"),
                               QStringLiteral("  安装费"),   QStringLiteral("总计")};
    EXPECT_EQ(captions(), expected);
    const auto values = [this](const char* caption) {
        return rowOf(QString::fromUtf8(caption))->values;
    };
    EXPECT_EQ(values("  龙骨"), (QStringList{"", "30", "", "", "3.3", "99"}));
    EXPECT_EQ(values("  接件"), (QStringList{"", "80", "", "", "0", "0"}));
    EXPECT_EQ(values("  吊件")[1], QStringLiteral("40"));
    EXPECT_EQ(values("  收边条"), (QStringList{"", "18", "", "", "2.25", "40.5"}));
    EXPECT_EQ(values("  安装费"), (QStringList{"", "20", "", "", "10", "200"}));
    EXPECT_EQ(rowOf(QStringLiteral("  吊件"))->tag, -5);
    EXPECT_EQ(rowOf(QStringLiteral("  收边条"))->tag, -7);
    EXPECT_DOUBLE_EQ(bill.grandtotal(), 99 + 20 + 40.5 + 200);

    project->edgeTrimReady = false;
    bill.readfromPricelist();
    EXPECT_EQ(rowOf(QStringLiteral("  收边条")), nullptr) << "not while the flag is clear";
}

TEST_F(BillTest, EdgeTrimMetresRoundHalvesToEven) {
    project->customer.autoShoubian = 0;
    project->customer.shoubianPrice = 1;
    struct Case {
        int width, height; // cm
        const char* metres;
    };
    for (const Case& k : {Case{300, 300, "12"}, Case{300, 350, "14"}, Case{300, 301, "13"}}) {
        project->clearPROOMLIST();
        roomWith(k.width, k.height, {});
        bill.total();
        EXPECT_EQ(rowOf(QStringLiteral("  收边条"))->values[1], QString::fromUtf8(k.metres))
            << k.width << " x " << k.height;
    }
}

TEST_F(BillTest, TheDiscountSetsTheAmountUnlessTheAmountIsLocked) {
    project->other_list = {item(13, categories[0].id, 1, 555.5)};
    project->customer.zk = 90;
    bill.total();
    EXPECT_EQ(project->customer.price, 499) << "Trunc(499.95)";
    EXPECT_TRUE(project->edited()) << "the amount field changed";

    prompts.answerConfirm(false);
    EXPECT_FALSE(bill.lockToggled(true, 50)) << "no: the button springs back";
    EXPECT_FALSE(project->customer.locked);
    prompts.answerConfirm(true);
    EXPECT_TRUE(bill.lockToggled(true, 50));
    bill.discountChanged(50);
    project->other_list = {item(13, categories[0].id, 2, 555.5)};
    bill.total();
    EXPECT_EQ(project->customer.price, 499) << "locked";
    EXPECT_EQ(project->customer.zk, 90) << "a change while locked is ignored";

    prompts.answerConfirm(true);
    EXPECT_TRUE(bill.lockToggled(false, 50));
    EXPECT_EQ(project->customer.zk, 50) << "the field's value becomes the project's";
    EXPECT_EQ(project->customer.price, 555);
    EXPECT_EQ(
        prompts.shown,
        (QStringList{QStringLiteral("confirm:是否锁定该项目金额?"),
                     QStringLiteral("confirm:是否锁定该项目金额?"),
                     QStringLiteral("confirm:是否解锁该项目金额?解锁后金额会随项目而改变。")}));
}

// Random projects: the 总计 row equals an independent sum of every line's, item's and
// accessory's amount, and the rows' own amounts add up to it within their rounding.
TEST_F(BillTest, TheTotalIsTheSumOfEveryAmount) {
    std::mt19937 random(2026);
    const auto pick = [&random](int lo, int hi) {
        return std::uniform_int_distribution<int>(lo, hi)(random);
    };
    // A product belongs to one category, as in the library.
    const auto categoryOf = [this](int id) { return categories[std::size_t(id % 2)].id; };
    CustomerRecord& c = project->customer;
    for (int round = 0; round < 40; ++round) {
        project->clearPROOMLIST();
        project->price_list.clear();
        project->other_list.clear();
        c.keelLength = pick(0, 3) * 0.5;
        c.keelPrice = pick(0, 90) / 7.0;
        c.connectors = pick(0, 2);
        c.installationFee = pick(0, 30) / 3.0;
        c.autoShoubian = pick(0, 1);
        c.shoubianPrice = pick(0, 50) / 9.0;
        for (int r = pick(0, 3); r > 0; --r) {
            std::vector<Ppdu_id> lines;
            for (int l = pick(0, 6); l > 0; --l) {
                const int id = pick(1, 8);
                lines.push_back(line(id, categoryOf(id), pick(1, 400) / 4.0, pick(1, 99) / 3.0));
            }
            roomWith(pick(100, 900), pick(100, 900), lines).not_Cacl = pick(0, 4) == 0;
        }
        for (int i = pick(0, 5); i > 0; --i) {
            const int id = pick(1, 12);
            const bool known = std::any_of(project->other_list.begin(), project->other_list.end(),
                                           [id](const otherrec& o) { return o.id == id; });
            if (!known) {
                project->other_list.append(
                    item(id, categoryOf(id), pick(-3, 6), pick(1, 50) / 3.0));
            }
        }
        bill.total();

        double expected = 0;
        for (const Ppdu_id& l : project->price_list) {
            double quantity = l.number;
            for (const otherrec& o : project->other_list) {
                quantity += o.id == l.id ? o.number : 0;
            }
            expected += quantity * l.price;
        }
        for (const otherrec& o : project->other_list) {
            const bool placed = std::any_of(project->price_list.begin(), project->price_list.end(),
                                            [&o](const Ppdu_id& l) { return l.id == o.id; });
            expected += placed ? 0 : o.number * o.price;
        }
        expected += (c.keelLength * c.keelPrice + c.installationFee) * bill.area();
        if (c.autoShoubian == 0) {
            expected += std::nearbyint(double(bill.perimeter()) / 1000 + 0.5) * c.shoubianPrice;
        }
        ASSERT_NEAR(bill.grandtotal(), expected, 1e-6) << "round " << round;
        const double shown = rows().back().values[5].toDouble();
        EXPECT_NEAR(shown, expected, 0.05 + 1e-9) << "round " << round;
        double sumOfRows = 0;
        for (std::size_t i = 0; i + 1 < rows().size(); ++i) {
            sumOfRows += rows()[i].values.size() > 5 ? rows()[i].values[5].toDouble() : 0;
        }
        EXPECT_NEAR(sumOfRows, expected, 0.05 * double(rows().size())) << "round " << round;
    }
}

TEST_F(BillTest, ALibraryThatCannotBeReadLeavesTheTableAsItWas) {
    project->price_list = {line(11, categories[0].id, 2, 5)};
    bill.readfromPricelist();
    const QStringList before = captions();
    library.close();
    EXPECT_NO_THROW(bill.total());
    EXPECT_EQ(captions(), before);
    EXPECT_DOUBLE_EQ(bill.grandtotal(), 10);
}
