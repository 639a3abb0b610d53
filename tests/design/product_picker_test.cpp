#include "core/troom_obj.h"
#include "design/product_picker.h"
#include "placement_fixture.h"
#include "platform/picture.h"
#include "support/scripted_prompts.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Two top categories of the own catalogue (company 7), one of the general catalogue, and
// products under sub-category 11 ("方板") and 21 ("灯").
class PickerTest : public ::testing::Test {
protected:
    PickerTest() : picker(library.database(), &prompts) {
        category(1, QStringLiteral("扣板"), 7);
        category(2, QStringLiteral("电器"), 7);
        category(3, QStringLiteral("通用扣板"), GeneralCompany);
        subCategory(11, QStringLiteral("方板"), 1);
        subCategory(12, QStringLiteral("条板"), 1);
        subCategory(21, QStringLiteral("灯"), 2);
        subCategory(31, QStringLiteral("通用方板"), 3);
        library.addProduct(101, 11, QStringLiteral("方板A"), KindSquarePanel, 300, 300);
        library.addProduct(102, 11, QStringLiteral("方板B"), KindSquarePanel, 300, 600.5,
                           TestLibrary::standardPicture(), 12.5);
        library.addProduct(103, 11, QStringLiteral("方板C无图"), KindSquarePanel, 300, 300,
                           QByteArray());
        library.addProduct(121, 12, QStringLiteral("条板300"), KindStrip, 300, 3000);
        library.addProduct(211, 21, QStringLiteral("吸顶灯"), KindAppliance, 300, 300);
        library.addProduct(311, 31, QStringLiteral("通用方板"), KindSquarePanel, 300, 300);
        picker.trueComp = 7;
        picker.compstyle = 1;
    }

    void category(int id, const QString& name, int company) {
        library.database().exec(
            QStringLiteral("insert into cailiao (id, cailiao, comp_id, stauts) values (?,?,?,0)"),
            {id, name, company});
    }
    void subCategory(int id, const QString& name, int category) {
        library.database().exec(QStringLiteral("insert into xinghao (id, xinghao, cailiao_id, "
                                               "stauts) values (?,?,?,0)"),
                                {id, name, category});
    }
    // The grid row of a product title, or -1.
    int rowOf(const QString& title) const {
        for (int r = 0; r < picker.rowCount(); ++r) {
            if (picker.record(r) && picker.record(r)->title == title) {
                return r;
            }
        }
        return -1;
    }

    TestLibrary library;
    ScriptedPrompts prompts;
    ProductPicker picker;
};

TEST_F(PickerTest, OwnCatalogueWithoutSelectorUnlessBothAreOffered) {
    ASSERT_TRUE(picker.loadTopCategories());
    EXPECT_FALSE(picker.catalogueSelectorVisible());
    EXPECT_EQ(picker.categoryPanelHeight(), 60);
    EXPECT_EQ(picker.categoryListTops(), (std::vector<int>{8, 32}));
    EXPECT_EQ(picker.companyId(), 7);
    EXPECT_EQ(picker.topCategories().names, (QStringList{"扣板", "电器"}));
    EXPECT_EQ(picker.topCategories().ids, (std::vector<int>{1, 2}));
    // The first entries are selected down to the grid: 方板 with its three products.
    EXPECT_EQ(picker.topCategories().selected, 0);
    EXPECT_EQ(picker.subCategories().names, (QStringList{"方板", "条板"}));
    EXPECT_EQ(picker.subCategories().selectedId(), 11);
    EXPECT_EQ(picker.rowCount(), 4);

    picker.compstyle = 3;
    EXPECT_TRUE(picker.catalogueSelectorVisible());
    EXPECT_EQ(picker.categoryPanelHeight(), 85);
    EXPECT_EQ(picker.categoryListTops(), (std::vector<int>{8, 32, 56}));
    picker.chooseCatalogue(ProductPicker::GeneralCatalogueEntry);
    EXPECT_EQ(picker.companyId(), GeneralCompany);
    EXPECT_EQ(picker.topCategories().names, QStringList{"通用扣板"});
    EXPECT_EQ(picker.record(1)->id, 311);

    // compstyle 0 never offers the general catalogue, whatever the selector says.
    picker.compstyle = 0;
    EXPECT_FALSE(picker.generalCatalogue());
    EXPECT_EQ(picker.companyId(), 7);
    EXPECT_TRUE(prompts.shown.isEmpty()) << qPrintable(prompts.shown.join('\n'));
}

TEST_F(PickerTest, CategoryChangesReloadTheLevelsBelowAndForgetTheSelection) {
    int forgotten = 0;
    picker.selectionForgotten = [&] { ++forgotten; };
    picker.loadTopCategories();
    EXPECT_EQ(forgotten, 1);
    picker.chooseRow(rowOf(QStringLiteral("方板A")));
    ASSERT_EQ(picker.selection().id, 101);

    picker.selectTopCategory(1);
    EXPECT_EQ(forgotten, 2);
    EXPECT_EQ(picker.selection().id, -1);
    EXPECT_EQ(picker.selection().kind, -1);
    EXPECT_EQ(picker.subCategories().names, QStringList{"灯"});
    ASSERT_EQ(picker.rowCount(), 2);
    EXPECT_EQ(picker.record(1)->id, 211);

    // A category without sub-categories leaves no products of another category behind.
    category(4, QStringLiteral("空"), 7);
    picker.loadTopCategories();
    picker.selectTopCategory(picker.topCategories().names.indexOf(QStringLiteral("空")));
    EXPECT_TRUE(picker.subCategories().empty());
    EXPECT_EQ(picker.rowCount(), 1);
}

TEST_F(PickerTest, QueryErrorIsShownAndTheListsKeepWhatTheyHad) {
    picker.loadTopCategories();
    library.database().exec(QStringLiteral("drop table xinghao"));
    picker.selectTopCategory(1);
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(picker.subCategories().names, (QStringList{"方板", "条板"}));
    EXPECT_EQ(picker.rowCount(), 4);
}

TEST_F(PickerTest, ChosenRowGivesStatusTextsAndSelection) {
    library.database().exec(QStringLiteral("update pic set stauts=2 where id=102"));
    picker.loadTopCategories();
    const PickerStatusTexts& texts = picker.chooseRow(rowOf(QStringLiteral("方板B")));
    EXPECT_EQ(texts.title, "方板B");
    EXPECT_EQ(texts.size, "300mm X 600.5mm");
    EXPECT_EQ(texts.price, "价:12.5");
    EXPECT_EQ(texts.status, "缺货 ［方扣板］");
    EXPECT_EQ(picker.selection().id, 102);
    EXPECT_EQ(picker.selection().kind, KindSquarePanel);

    picker.selectSubCategory(1);
    const PickerStatusTexts& strip = picker.chooseRow(1);
    EXPECT_EQ(strip.price, "价:10");
    EXPECT_EQ(strip.status, "正常 ［条扣板］");
}

TEST_F(PickerTest, RowWithoutPictureCannotBeChosen) {
    picker.loadTopCategories();
    const int row = rowOf(QStringLiteral("方板A"));
    picker.chooseRow(row);
    // Rows are in title order: 方板A, 方板B, 方板C无图.
    EXPECT_EQ(picker.record(3), nullptr);
    EXPECT_EQ(picker.geometry().rowHeights[3], ProductPicker::EmptyRowHeight);
    const PickerStatusTexts texts = picker.chooseRow(3);
    EXPECT_EQ(picker.selection().id, -1);
    EXPECT_TRUE(texts.title.isEmpty());
    EXPECT_TRUE(texts.price.isEmpty());
    // Row 0 never holds a product.
    picker.chooseRow(0);
    EXPECT_EQ(picker.selection().id, -1);

    auto room = designRoom(library);
    room->currentProduct = {101, KindSquarePanel, 0};
    picker.applyChoice(*room);
    EXPECT_EQ(room->currentProduct.id, -1);
    EXPECT_EQ(room->currentProduct.kind, 0);
}

TEST_F(PickerTest, StripChoiceFollowsTheStripRoomAndReplacesViewAndDeleteTools) {
    picker.loadTopCategories();
    picker.selectSubCategory(1); // 条板
    picker.chooseRow(1);

    auto columns = designRoom(library, StripsAlongColumns);
    columns->tool = DesignDelete;
    EXPECT_TRUE(picker.applyChoice(*columns));
    EXPECT_EQ(columns->currentProduct.id, 121);
    EXPECT_EQ(columns->currentProduct.kind, KindStrip);
    EXPECT_EQ(columns->currentProduct.orientation, 1);
    EXPECT_EQ(picker.selection().orientation, 1);

    auto rows = designRoom(library, StripsAlongRows);
    rows->currentProduct.orientation = 3;
    rows->tool = DesignFreeFill;
    EXPECT_FALSE(picker.applyChoice(*rows));
    EXPECT_EQ(rows->currentProduct.orientation, 0);
    EXPECT_EQ(picker.selection().orientation, 0);

    for (quint8 tool : {DesignViewTool, DesignMoveSwap, DesignDeleteHeld}) {
        rows->tool = tool;
        EXPECT_TRUE(picker.applyChoice(*rows)) << int(tool);
    }
    rows->tool = DesignRectangleFill;
    EXPECT_FALSE(picker.applyChoice(*rows));
}

TEST_F(PickerTest, SearchForAbsentTextEmptiesGridAndKeepsHistory) {
    QStringList held{QStringLiteral("灯")};
    picker.bindHistory(&held);
    picker.loadTopCategories();
    picker.chooseRow(1);
    ASSERT_TRUE(picker.search(QStringLiteral("不存在")));
    EXPECT_EQ(picker.rowCount(), 1);
    EXPECT_EQ(picker.selection().id, -1);
    EXPECT_EQ(held, QStringList{"灯"});
}

TEST_F(PickerTest, SearchListsMatchesOfEveryCategoryAndKeepsOneEntryAtTheTop) {
    QStringList held{QStringLiteral("灯"), QStringLiteral("方板")};
    picker.bindHistory(&held);
    picker.loadTopCategories();
    ASSERT_TRUE(picker.search(QStringLiteral("  方板 ")));
    // 方板A, 方板B, 方板C无图 and the general 通用方板.
    EXPECT_EQ(picker.rowCount(), 5);
    EXPECT_EQ(held, (QStringList{"方板", "灯"}));
    picker.search(QStringLiteral("灯"));
    picker.search(QStringLiteral("灯"));
    EXPECT_EQ(held, (QStringList{"灯", "方板"}));
    EXPECT_EQ(picker.record(1)->id, 211);
    // "%" in the text is a literal character, not a wildcard.
    picker.search(QStringLiteral("%"));
    EXPECT_EQ(picker.rowCount(), 1);
    EXPECT_EQ(held.size(), 2);
}

TEST_F(PickerTest, SearchAlsoFindsNamesByTheirPinyin) {
    picker.loadTopCategories();
    // 方板C无图 (103) is listed without a record.
    const struct {
        const char* text;
        int rows;
        std::vector<int> ids;
    } cases[] = {
        {"fb", 4, {101, 102, 311}},
        {"FangBanB", 1, {102}},
        {"fangb", 4, {101, 102, 311}},
        {"xdd", 1, {211}},
        {"xid", 1, {211}},
        {"tyfb", 1, {311}},
        {"c", 1, {}},
        {"tb300", 1, {121}},
        {"fbx", 0, {}},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(picker.search(QString::fromLatin1(c.text)));
        EXPECT_EQ(picker.rowCount(), c.rows + 1) << c.text;
        std::vector<int> ids;
        for (int r = 1; r < picker.rowCount(); ++r) {
            if (picker.record(r)) {
                ids.push_back(picker.record(r)->id);
            }
        }
        std::sort(ids.begin(), ids.end());
        EXPECT_EQ(ids, c.ids) << c.text;
    }
    EXPECT_EQ(picker.history().first(), QStringLiteral("tb300"));
}

TEST_F(PickerTest, TenthEntryPushesOutTheOldest) {
    QStringList held;
    for (int i = 10; i >= 1; --i) {
        held << QStringLiteral("旧%1").arg(i);
    }
    picker.bindHistory(&held);
    picker.loadTopCategories();
    picker.search(QStringLiteral("吸顶"));
    ASSERT_EQ(held.size(), ProductPicker::HistoryLimit);
    EXPECT_EQ(held.first(), "吸顶");
    EXPECT_EQ(held.last(), "旧2");
    EXPECT_FALSE(held.contains(QStringLiteral("旧1")));
}

TEST_F(PickerTest, SearchWithoutSubCategoryEmptiesTheGrid) {
    picker.search(QStringLiteral("方板"));
    EXPECT_EQ(picker.rowCount(), 1);
    EXPECT_TRUE(picker.history().isEmpty());
}

TEST(PickerGeometry, WidePictureWidensTheColumnAndSmallOnesAreCentred) {
    TestLibrary library;
    ProductPicker picker(library.database(), nullptr);
    ProductRow wide;
    wide.picture = picture::writeBmp(TestLibrary::patternPicture(200, 50));
    ProductRow small;
    small.picture = picture::writeBmp(TestLibrary::patternPicture(40, 30));
    ProductRow none;
    picker.fillGrid({small, wide, none});
    EXPECT_EQ(picker.geometry().rowHeights, (std::vector<int>{0, 50, 70, 16}));
    EXPECT_EQ(picker.geometry().pictureColumnWidth, 220);
    EXPECT_EQ(picker.geometry().pickerWidth, 230);
    const PickerGridFit narrow = picker.fit(226);
    EXPECT_EQ(narrow.pickerWidth, 230);
    EXPECT_EQ(narrow.spacerColumnWidth, 0);
    EXPECT_EQ(picker.fit(300).spacerColumnWidth, 30);

    picker.fillGrid({small});
    EXPECT_EQ(picker.geometry().pictureColumnWidth, 100);
    EXPECT_EQ(picker.geometry().pickerWidth, 165);
    EXPECT_EQ(picker.fit(161).spacerColumnWidth, 20);
    EXPECT_EQ(picker.fit(119).pickerWidth, 110);
}

TEST_F(PickerTest, PopupOrientationFollowsTheRoomAndInformationNeedsAnAddress) {
    library.database().exec(
        QStringLiteral("update pic set picurl='  http://x/a.htm ' where id=101"));
    auto room = designRoom(library, StripsAlongColumns);
    picker.activeRoom = [&] { return room.get(); };
    int enabling = 0;
    picker.popupOpening = [&] { ++enabling; };
    QString opened;
    picker.openInformation = [&](const QString& address) { opened = address; };
    std::pair<int, int> filled{-1, -1};
    picker.fillPatternChosen = [&](int pattern, int orientation) {
        filled = {pattern, orientation};
    };
    picker.loadTopCategories();

    picker.chooseRow(rowOf(QStringLiteral("方板B")));
    picker.openPopup();
    EXPECT_EQ(enabling, 1);
    EXPECT_FALSE(picker.entry(QStringLiteral("产品详细信息")).enabled);

    picker.chooseRow(rowOf(QStringLiteral("方板A")));
    picker.openPopup();
    MenuItem& info = picker.entry(QStringLiteral("产品详细信息"));
    ASSERT_TRUE(info.enabled);
    info.onChosen();
    EXPECT_EQ(opened, "http://x/a.htm");

    // A square panel in a strip room takes the entry's orientation.
    room->currentProduct = {102, KindSquarePanel, 0};
    picker.orientationMenu().items[2].onChosen();
    EXPECT_EQ(room->currentProduct.orientation, 2);
    EXPECT_EQ(picker.selection().orientation, 2);
    EXPECT_TRUE(picker.orientationMenu().items[2].checked);
    EXPECT_FALSE(picker.orientationMenu().items[0].checked);
    picker.fillMenu().items[5].onChosen();
    EXPECT_EQ(filled, std::make_pair(5, 2));

    // A strip in a room of strips along columns is always turned.
    room->currentProduct = {121, KindStrip, 0};
    picker.orientationMenu().items[3].onChosen();
    EXPECT_EQ(room->currentProduct.orientation, 1);
    EXPECT_TRUE(picker.orientationMenu().items[1].checked);
    EXPECT_FALSE(picker.orientationMenu().items[3].checked);
}

TEST_F(PickerTest, WorkspaceEnablingReachesTheEntries) {
    picker.setFillEnabled(-1, false);
    picker.setFillEnabled(3, false);
    EXPECT_FALSE(picker.fillMenu().enabled);
    EXPECT_FALSE(picker.fillMenu().items[3].enabled);
    EXPECT_TRUE(picker.fillMenu().items[4].enabled);

    picker.setProductEntriesEnabled(true);
    EXPECT_TRUE(picker.orientationMenu().enabled);
    // No price command offered yet: its entry stays disabled.
    EXPECT_FALSE(picker.entry(QStringLiteral("修改价格")).enabled);
    picker.addToStatistics = [] {};
    picker.setProductEntriesEnabled(true);
    EXPECT_TRUE(picker.entry(QStringLiteral("直接加入统计表")).enabled);
    picker.setProductEntriesEnabled(false);
    EXPECT_FALSE(picker.entry(QStringLiteral("直接加入统计表")).enabled);
    EXPECT_FALSE(picker.orientationMenu().enabled);
}

} // namespace
