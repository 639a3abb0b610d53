#include "project_fixture.h"

#include "core/ppdu_id.h"
#include "library/product_library.h"
#include "quote/bill_edits.h"
#include "quote/bill_of_materials.h"

namespace {

class BillEditsTest : public ProjectTest {
protected:
    BillEditsTest() : bill(*project, library, prompts, *view), edits(*project, bill, library) {
        edits.openItems = [this](bool) { ++itemWindows; };
        panel = productOf(KindSquarePanel, 300, 300);
        appliance = productOf(KindAppliance, 300, 300);
        // One placed panel line in a drawn room.
        NewRoomRequest request;
        request.name = QStringLiteral("客厅");
        TRoom_OBJ& room = project->CreatNewRoom(request);
        drawRectangle(room, 300, 300);
        Ppdu_id line;
        const ProductRow product = *ProductLibrary(library).productWithCategory(panel);
        line.id = panel;
        line.title = product.title;
        line.cailiao_id = product.categoryId;
        line.price = product.price;
        line.number = 10;
        room.billLines.push_back(std::make_unique<Ppdu_id>(line));
        bill.total();
    }

    int rowOf(qint32 tag, const QString& captionPart = {}) {
        const std::vector<BillRow>& rows = bill.table().rows();
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].tag == tag && rows[i].caption.contains(captionPart)) {
                return int(i);
            }
        }
        return -1;
    }
    const BillRow& row(int index) { return bill.table().rows()[std::size_t(index)]; }
    void choose(int rowIndex, int entry) {
        MenuModel menu = edits.statisticsMenu(rowIndex);
        ASSERT_TRUE(menu.items[std::size_t(entry)].enabled);
        menu.items[std::size_t(entry)].onChosen();
    }
    double libraryPrice(int id) { return ProductLibrary(library).product(id)->price; }

    BillOfMaterials bill;
    BillEdits edits;
    int itemWindows = 0;
    int panel = 0;
    int appliance = 0;
};

} // namespace

TEST_F(BillEditsTest, TheMenuFollowsTheRowPointedAt) {
    const int productRow = rowOf(panel);
    ASSERT_GE(productRow, 0);
    struct Case {
        int row;
        bool price, correction;
        const char* correctionCaption;
    };
    const int heading = productRow - 1;
    const int accessoryHeading = rowOf(-1, QStringLiteral("附件"));
    const int total = int(bill.table().rows().size()) - 1;
    for (const Case& c :
         {Case{productRow, true, true, "添加修正数据"}, Case{heading, false, false, "添加修正数据"},
          Case{accessoryHeading, false, false, "添加修正数据"},
          Case{total, false, true, "添加修正数据"}, Case{-1, false, false, "添加修正数据"}}) {
        const MenuModel menu = edits.statisticsMenu(c.row);
        ASSERT_EQ(menu.items.size(), 4u);
        EXPECT_EQ(menu.items[0].caption, QStringLiteral("修改产品价格"));
        EXPECT_EQ(menu.items[0].enabled, c.price) << "row " << c.row;
        EXPECT_TRUE(menu.items[1].enabled) << "修改附件价格 always";
        EXPECT_EQ(menu.items[2].caption, QString::fromUtf8(c.correctionCaption));
        EXPECT_EQ(menu.items[2].enabled, c.correction) << "row " << c.row;
    }
    // Once the product has a correction, the third entry adjusts it.
    choose(productRow, 2);
    edits.itemsConfirmed();
    EXPECT_EQ(row(rowOf(panel)).values[2], QStringLiteral("1"));
    EXPECT_EQ(edits.statisticsMenu(rowOf(panel)).items[2].caption, QStringLiteral("调整修正数据"));
    EXPECT_EQ(itemWindows, 1);
}

TEST_F(BillEditsTest, AProjectPriceStaysWithTheProjectAndOnRequestReachesTheLibrary) {
    const double before = libraryPrice(panel);
    const std::optional<ProductPriceChoice> choice = edits.productPrice(panel);
    ASSERT_TRUE(choice);
    EXPECT_DOUBLE_EQ(choice->price, project->price_list[0].price);
    EXPECT_FALSE(choice->picture.isEmpty());
    edits.setProductPrice(panel, 20, false);
    EXPECT_EQ(row(rowOf(panel)).values[4], QStringLiteral("20"));
    EXPECT_EQ(row(rowOf(panel)).values[5], QStringLiteral("200"));
    EXPECT_DOUBLE_EQ(libraryPrice(panel), before);
    EXPECT_TRUE(project->edited());
    ASSERT_TRUE(project->savebtClick());

    RecordingView otherView(library, prompts);
    std::unique_ptr<OpenProject> reopened = reopen(otherView);
    BillOfMaterials otherBill(*reopened, library, prompts, otherView);
    ASSERT_TRUE(reopened->openproject(project->customer.id));
    ASSERT_EQ(reopened->price_list.size(), 1);
    EXPECT_DOUBLE_EQ(reopened->price_list[0].price, 20) << "the project price was stored";
    EXPECT_EQ(otherBill.table().rows()[1].values[4], QStringLiteral("20")) << "and shown";

    edits.setProductPrice(panel, 33.5, true);
    EXPECT_DOUBLE_EQ(libraryPrice(panel), 33.5);
    EXPECT_FALSE(edits.productPrice(-2)) << "no product behind an accessory row";
}

TEST_F(BillEditsTest, NonDisplayItemsAddReturnAndDeleteAsTheDealerExpects) {
    // A product that is not placed gets its own row; adding to it raises that row.
    ASSERT_TRUE(edits.adda_other(appliance, 1));
    edits.itemsConfirmed();
    const int itemRow = rowOf(appliance, QStringLiteral("[非显示]"));
    ASSERT_GE(itemRow, 0);
    choose(itemRow, 2);
    edits.itemsConfirmed();
    EXPECT_EQ(project->other_list[0].number, 2);

    // Minus two is a return: the row and the total lose twice the price.
    const double totalBefore = bill.grandtotal();
    edits.edita_other(appliance, -2.7);
    edits.itemsConfirmed();
    const double price = project->other_list[0].price;
    ASSERT_GE(rowOf(appliance, QStringLiteral("[退货]")), 0);
    EXPECT_NEAR(bill.grandtotal(), totalBefore - 4 * price, 1e-9) << "from +2 to -2";

    // Accessory and total rows have no product: nothing is added, nothing shown.
    const int keelOrTotal = int(bill.table().rows().size()) - 1;
    choose(keelOrTotal, 2);
    EXPECT_FALSE(edits.adda_other(999999, 1));
    EXPECT_EQ(project->other_list.size(), 1);
    EXPECT_TRUE(prompts.shown.isEmpty());

    // Deleting an item alone leaves the project unedited: closing does not ask.
    ASSERT_TRUE(project->savebtClick());
    ASSERT_FALSE(project->edited());
    edits.deletea_other(appliance);
    EXPECT_TRUE(project->other_list.isEmpty());
    EXPECT_TRUE(project->N90Click());
    EXPECT_TRUE(prompts.unanswered.isEmpty()) << qPrintable(prompts.unanswered.join(','));
}

TEST_F(BillEditsTest, ListingDropsEmptyItemsAndAccessoryEditsAreThisProjectsOnly) {
    edits.adda_other(appliance, 3);
    edits.adda_other(panel, 1);
    edits.edita_other(appliance, 0);
    const std::vector<OtherItemEntry> entries = edits.show_other();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].id, panel);
    EXPECT_EQ(project->other_list.size(), 1);

    CustomerRecord values = project->customer;
    values.keelLength = 2;
    values.keelPrice = 5;
    values.autoShoubian = 1;
    edits.setAccessories(values);
    EXPECT_GE(rowOf(-2), 0) << "the keel row appears";
    EXPECT_EQ(rowOf(-7), -1) << "edge trim off";
    EXPECT_EQ(held.project.accessories.keelLength, 0) << "the defaults stay";
}
