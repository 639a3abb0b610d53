#include "manager_library.h"

#include "platform/picture.h"

#include <QStringList>

namespace {

QStringList texts(const std::vector<ManagerNode>& nodes) {
    QStringList out;
    for (const ManagerNode& n : nodes) {
        out << n.text;
    }
    return out;
}

QStringList titles(const ProductManager& m) {
    QStringList out;
    for (int i = 0; i < m.rowCount(); ++i) {
        out << (m.row(i) ? m.row(i)->title : QStringLiteral("-"));
    }
    return out;
}

} // namespace

using ProductManagerTree = ManagerLibrary;
using ProductManagerGrid = ManagerLibrary;

TEST_F(ProductManagerTree, RootsFollowLibraryStyleAndCompany) {
    struct Case {
        ManagerScope scope;
        QStringList roots;
        std::vector<QStringList> categories;
    };
    const Case cases[] = {
        // Style 3 with company 2: the general range under both catalogue roots.
        {{2, 3}, {"原产品", "通用版产品", "自定义产品"}, {{"通用扣板"}, {"通用扣板"}, {"我的"}}},
        {{7, 3}, {"原产品", "通用版产品", "自定义产品"}, {{"扣板"}, {"通用扣板"}, {"我的"}}},
        {{7, 0}, {"产品分类"}, {{"扣板"}}},
        {{2, 1}, {"产品分类", "自定义产品"}, {{"通用扣板"}, {"我的"}}},
    };
    for (const Case& c : cases) {
        const std::vector<ManagerNode> roots = manager(c.scope)->buildTree();
        ASSERT_EQ(texts(roots), c.roots) << c.scope.compid << ' ' << c.scope.compstyle;
        for (size_t i = 0; i < roots.size(); ++i) {
            EXPECT_EQ(texts(roots[i].children), c.categories[i]) << qPrintable(roots[i].text);
        }
    }
    const std::vector<ManagerNode> roots = manager({7, 3})->buildTree();
    EXPECT_EQ(roots[0].number, 1);
    EXPECT_EQ(roots[1].number, 0);
    EXPECT_EQ(roots[2].number, CustomRangeFirst);
    EXPECT_EQ(texts(roots[0].children[0].children), (QStringList{"方板", "条板"}));
    EXPECT_EQ(roots[0].children[0].children[1].level, 2);
    EXPECT_TRUE(ProductManager::statusEntries(roots[0].children[0]));
    EXPECT_FALSE(ProductManager::statusEntries(roots[0]));
    EXPECT_FALSE(ProductManager::acceptsStatus(roots[2].children[0]));
}

TEST_F(ProductManagerTree, CustomRecordsTakeCountedIdsAndBlankAnswersChangeNothing) {
    auto m = manager();
    std::vector<ManagerNode> roots = m->buildTree();
    ManagerNode& customRoot = roots[2];
    // An answer of only spaces adds nothing and keeps the counter.
    prompts.answerText(QStringLiteral("   "));
    EXPECT_FALSE(m->addNode(customRoot));
    EXPECT_EQ(count(QStringLiteral("select count(*) from cailiao")), 3);
    EXPECT_TRUE(setup.readString(QStringLiteral("zdy"), QStringLiteral("MAXC")).isNull());

    prompts.answerText(QStringLiteral("新大类"));
    const std::optional<ManagerNode> category = m->addNode(customRoot);
    ASSERT_TRUE(category);
    // The custom category 100005 already exists, so the count goes on from there.
    EXPECT_EQ(category->number, 100006);
    EXPECT_EQ(setup.readInteger(QStringLiteral("zdy"), QStringLiteral("MAXC"), 0), 100006);
    EXPECT_EQ(count(QStringLiteral("select comp_id from cailiao where id=100006")), 2);

    prompts.answerText(QStringLiteral("新小类"));
    const std::optional<ManagerNode> sub = m->addNode(*category);
    ASSERT_TRUE(sub);
    EXPECT_EQ(sub->number, 100008);
    EXPECT_EQ(count(QStringLiteral("select cailiao_id from xinghao where id=100008")), 100006);

    ManagerNode renamed = *sub;
    prompts.answerText(QStringLiteral(" "));
    EXPECT_FALSE(m->renameNode(renamed, category->number));
    prompts.answerText(QStringLiteral("改名"));
    EXPECT_TRUE(m->renameNode(renamed, category->number));
    EXPECT_EQ(renamed.text, QStringLiteral("改名"));
    EXPECT_EQ(db.scalar(QStringLiteral("select xinghao from xinghao where id=100008")).toString(),
              QStringLiteral("改名"));
    EXPECT_EQ(prompts.shown.count(QStringLiteral("input:小类:|类别名")), 2);
    EXPECT_EQ(prompts.shown.first(), QStringLiteral("input:新建大类:|类别名"));
    EXPECT_EQ(count(QStringLiteral("select count(*) from xinghao")), 5);
}

TEST_F(ProductManagerTree, FirstCustomRecordsEachGetTheFirstId) {
    db.exec(QStringLiteral("delete from xinghao where id>=100000"));
    db.exec(QStringLiteral("delete from cailiao where id>=100000"));
    auto m = manager({2, 0});
    m->editProduct = [](const CustomProductValues&) {
        return CustomProductValues{{}, QStringLiteral("新品"), 300, 300, KindAppliance, {}};
    };
    std::vector<ManagerNode> roots = m->buildTree();
    ASSERT_EQ(roots[1].number, CustomRangeFirst);
    prompts.answerText(QStringLiteral("A"));
    const auto category = m->addNode(roots[1]);
    prompts.answerText(QStringLiteral("B"));
    const auto sub = m->addNode(*category);
    ASSERT_TRUE(m->openSubCategory(sub->number));
    ASSERT_TRUE(m->addProduct());
    EXPECT_EQ(category->number, 100001);
    EXPECT_EQ(sub->number, 100001);
    ASSERT_TRUE(m->row(0) == nullptr); // a product without a picture: an empty row
    EXPECT_EQ(m->rowCount(), 1);
    EXPECT_EQ(count(QStringLiteral("select xinghao_id from pic where id=100001")), 100001);
    for (const char* key : {"MAXC", "MAXX", "MAXP"}) {
        EXPECT_EQ(setup.readInteger(QStringLiteral("zdy"), QString::fromUtf8(key), 0), 100001);
    }
}

TEST_F(ProductManagerTree, StatusCascadesDownAndGridShowsItAfterReload) {
    auto m = manager();
    std::vector<ManagerNode> roots = m->buildTree();
    ASSERT_TRUE(m->openSubCategory(11));
    m->setStatus(roots[0].children[0], StatusDiscontinued);
    for (const auto& [table, id] : {std::pair{"cailiao", 1},
                                    {"xinghao", 11},
                                    {"xinghao", 12},
                                    {"pic", 101},
                                    {"pic", 103},
                                    {"pic", 121}}) {
        EXPECT_EQ(statusOf(QString::fromUtf8(table), id), StatusDiscontinued) << table << id;
    }
    EXPECT_EQ(statusOf(QStringLiteral("xinghao"), 50011), StatusNormal);
    for (const ManagerNode& sub : roots[0].children[0].children) {
        EXPECT_EQ(sub.status, StatusDiscontinued);
    }
    EXPECT_EQ(m->row(2)->statusBox, StatusNormal);
    m->reload();
    EXPECT_EQ(m->row(2)->statusBox, StatusDiscontinued);

    m->setStatus(roots[0].children[0].children[1], StatusOutOfStock);
    EXPECT_EQ(statusOf(QStringLiteral("pic"), 121), StatusOutOfStock);
    EXPECT_EQ(statusOf(QStringLiteral("xinghao"), 11), StatusDiscontinued);
    EXPECT_EQ(statusOf(QStringLiteral("cailiao"), 1), StatusDiscontinued);
}

TEST_F(ProductManagerGrid, RowsEditsSaveAndTheUnsavedQuestion) {
    auto m = manager();
    ASSERT_TRUE(m->openSubCategory(11));
    EXPECT_EQ(titles(*m), (QStringList{"100%_板", "-", "白方板"}));
    EXPECT_EQ(m->foundText(), QStringLiteral("找到3记录"));
    // A product without a picture occupies an empty row, 16 pixels high.
    EXPECT_EQ(m->rowHeight(1), 16);
    EXPECT_EQ(m->rowHeight(0), m->row(0)->picture.height() + 20);
    EXPECT_EQ(m->pictureColumnWidth(), 60);
    EXPECT_EQ(m->row(2)->infoUrl, QStringLiteral("http://x"));
    EXPECT_EQ(m->row(2)->widthText, QStringLiteral("300"));

    m->setPrice(2, 20); // unchanged: no edit
    m->setPrice(1, 99); // no row object
    EXPECT_FALSE(m->unsaved());
    m->setPrice(2, 21.5);
    m->setUnit(2, QStringLiteral(" 片 "));
    m->setStatusBox(0, StatusNormal);
    EXPECT_TRUE(m->unsaved());
    EXPECT_FALSE(m->row(1));

    prompts.answerThreeWay(Prompts::Cancel);
    EXPECT_FALSE(m->openSubCategory(12));
    EXPECT_EQ(m->shownSubCategory(), 11);
    prompts.answerThreeWay(Prompts::No);
    EXPECT_TRUE(m->openSubCategory(12));
    EXPECT_DOUBLE_EQ(priceOf(101), 20);
    EXPECT_FALSE(m->unsaved());

    ASSERT_TRUE(m->openSubCategory(11));
    m->setPrice(2, 21.5);
    m->setUnit(2, QStringLiteral(" 片 "));
    m->setStatusBox(0, StatusNormal);
    prompts.answerThreeWay(Prompts::Yes);
    EXPECT_TRUE(m->search(QStringLiteral(" 板 ")));
    EXPECT_DOUBLE_EQ(priceOf(101), 21.5);
    EXPECT_EQ(db.scalar(QStringLiteral("select danwei from pic where id=101")).toString(),
              QStringLiteral("片"));
    EXPECT_EQ(statusOf(QStringLiteral("pic"), 103), StatusNormal);
    EXPECT_EQ(prompts.shown.filter(QStringLiteral("产品数据已发生变化,是否保存?")).size(), 3);
    // The search covers every range and status.
    EXPECT_EQ(titles(*m), (QStringList{"100%_板", "-", "条板A", "白方板", "通用白板"}));
    EXPECT_EQ(m->shownSubCategory(), -1);
    EXPECT_FALSE(m->gridMenuPresent());
    // % and _ match themselves.
    m->search(QStringLiteral("%_"));
    EXPECT_EQ(titles(*m), QStringList{"100%_板"});
    m->search(QStringLiteral("0_"));
    EXPECT_EQ(titles(*m), QStringList{"-"});
    EXPECT_EQ(m->foundText(), QStringLiteral("找到0记录"));
}

TEST_F(ProductManagerGrid, CustomProductsAreAddedEditedAndDeleted) {
    auto m = manager();
    std::optional<CustomProductValues> answer;
    std::vector<CustomProductValues> opened;
    m->editProduct = [&](const CustomProductValues& v) {
        opened.push_back(v);
        return answer;
    };
    ASSERT_TRUE(m->openSubCategory(100007));
    EXPECT_TRUE(m->gridMenuPresent());
    EXPECT_FALSE(m->addProduct()); // 取消
    EXPECT_EQ(count(QStringLiteral("select count(*) from pic")), 5);

    QImage image(60, 120, QImage::Format_RGB32);
    image.fill(Qt::red);
    answer = CustomProductValues{picture::writeBmp(image), QStringLiteral("自制"),    300, 600,
                                 KindSquarePanel,          QStringLiteral("http://a")};
    ASSERT_TRUE(m->addProduct());
    EXPECT_EQ(m->rowCount(), 1); // into the empty first row
    ASSERT_TRUE(m->row(0));
    EXPECT_EQ(m->row(0)->id, 100001);
    EXPECT_EQ(m->rowHeight(0), 140);
    EXPECT_EQ(m->pictureColumnWidth(), 80);
    answer->name = QStringLiteral("自制2");
    ASSERT_TRUE(m->addProduct());
    EXPECT_EQ(m->rowCount(), 2);
    answer->name = QStringLiteral("自制");

    // Editing the kind leaves the status and the row's edits as they were.
    db.exec(QStringLiteral("update pic set stauts=2 where id=100001"));
    m->reload();
    m->setPrice(0, 8);
    answer->kind = KindFloating;
    answer->name = QStringLiteral("改后");
    ASSERT_TRUE(m->editRow(0));
    EXPECT_EQ(opened.back().name, QStringLiteral("自制"));
    EXPECT_EQ(opened.back().width, 300);
    EXPECT_EQ(opened.back().infoAddress, QStringLiteral("http://a"));
    EXPECT_EQ(picture::readBmp(opened.back().picture).size(), QSize(60, 120));
    EXPECT_EQ(count(QStringLiteral("select style from pic where id=100001")), KindFloating);
    EXPECT_EQ(statusOf(QStringLiteral("pic"), 100001), StatusOutOfStock);
    EXPECT_EQ(m->row(0)->kind, KindFloating);
    EXPECT_EQ(m->row(0)->statusBox, StatusOutOfStock);
    EXPECT_TRUE(m->row(0)->edited);
    EXPECT_TRUE(m->unsaved());

    EXPECT_FALSE(m->deleteRow(1)); // not confirmed
    prompts.answerConfirm(true);
    ASSERT_TRUE(m->deleteRow(1));
    EXPECT_FALSE(m->row(1));
    EXPECT_EQ(m->rowHeight(1), 0);
    EXPECT_EQ(count(QStringLiteral("select count(*) from pic where xinghao_id=100007")), 1);

    // Deleting the custom category takes its sub-categories and products with it.
    std::vector<ManagerNode> roots = m->buildTree();
    prompts.answerConfirm(true);
    ASSERT_TRUE(m->deleteNode(roots[2].children[0]));
    EXPECT_EQ(count(QStringLiteral("select count(*) from pic where id>=100000")), 0);
    EXPECT_EQ(count(QStringLiteral("select count(*) from xinghao where id>=100000")), 0);
    EXPECT_EQ(count(QStringLiteral("select count(*) from cailiao where id>=100000")), 0);
    EXPECT_EQ(m->rowCount(), 1);
    EXPECT_FALSE(m->row(0));
    EXPECT_TRUE(prompts.shown.contains(QStringLiteral("confirm:删除当前类别以及相关产品？")));
}
