#include "project_fixture.h"
#include "strip_rooms.h"

#include "library/product_library.h"
#include "quote/bill_of_materials.h"
#include "quote/cutting_sheet.h"
#include "quote/cutting_text.h"
#include "store/store_schema.h"
#include "support/test_database.h"

namespace {

// The fixture's project on a store of each engine: a kitchen of 360 × 270 cm whose
// strips run along its columns, a living room of square panels and a strip room that
// takes no part in the statistics.
class CuttingSheetTest : public ProjectTest, public ::testing::WithParamInterface<Engine> {
protected:
    void SetUp() override {
        OPEN_TEST_DATABASE_OR_SKIP(database, storeDb);
        createStoreSchema(storeDb);
        project->setBill(&bill);
        strip = firstStrip(library);
        addLaidRoom(*project, QStringLiteral("厨房"), StripsAlongColumns, strip, 360, 270);
        addLaidRoom(*project, QStringLiteral("客厅"), SquarePanelRoom,
                    productOf(KindSquarePanel, 300, 300), 400, 300);
        addLaidRoom(*project, QStringLiteral("阳台"), StripsAlongRows, strip, 200, 150).not_Cacl =
            1;
        bill.total();
    }

    double billMetres(qint32 product) const {
        for (const Ppdu_id& line : project->price_list) {
            if (line.id == product) {
                return line.number;
            }
        }
        return 0;
    }

    TestDatabase database{GetParam()};
    BillOfMaterials bill{*project, library, prompts, *view};
    qint32 strip = 0;
};

} // namespace

TEST_P(CuttingSheetTest, TheKitchenGivesItsSheetAndItsStockLengthStaysWithTheCustomer) {
    CuttingSheet sheet = makeCuttingSheet(project->room_list, project->cuttingStock, 3);
    ASSERT_EQ(sheet.sections.size(), 1u) << "one strip product in the counted rooms";
    const CuttingSection section = sheet.sections[0];
    EXPECT_EQ(section.product, strip);
    // The strip's own length is its width in the library, far below a run: the dealer
    // gives the stock length, and until then there is no plan.
    EXPECT_TRUE(section.stockEditable);
    EXPECT_FALSE(section.plan.has_value());
    ASSERT_EQ(section.runs.size(), 36u) << "360 cm of 100 mm strips";
    long long cm = 0;
    for (const CuttingRun& run : section.runs) {
        EXPECT_EQ(run.room, QStringLiteral("厨房"));
        EXPECT_EQ(run.lengthCm, 270);
        cm += run.lengthCm;
    }
    EXPECT_DOUBLE_EQ(cm / 100.0, billMetres(strip));

    // Two runs of 2.7 m with a 3 mm cut fill a 6 m bar: 18 bars, one above the bound of 17
    // that no plan can reach, since three runs never share a bar.
    project->cuttingStock[strip] = 6000;
    sheet = makeCuttingSheet(project->room_list, project->cuttingStock, 3);
    ASSERT_TRUE(sheet.sections[0].plan.has_value());
    const CutPlan& plan = *sheet.sections[0].plan;
    EXPECT_EQ(plan.method, CutMethod::Exact);
    EXPECT_EQ(plan.bars.size(), 18u);
    EXPECT_EQ(plan.lowerBound, 17);
    for (const CutBar& bar : plan.bars) {
        EXPECT_EQ(cutting_text::pieces(bar), QStringLiteral("2700 + 2700"));
        EXPECT_EQ(bar.offcutMm, 594);
    }
    const QStringList lines = cuttingSheetText(sheet).split(u'\n');
    EXPECT_EQ(lines.first(), QStringLiteral("产品\t") + section.title +
                                 QStringLiteral("\t原料长度(mm)\t6000\t锯口(mm)\t3"));
    EXPECT_EQ(lines.at(1), QStringLiteral("下料\t厨房\t270"));
    EXPECT_EQ(lines.at(37), QStringLiteral("原料\t1\t2700 + 2700\t余料(mm)\t594"));
    EXPECT_EQ(
        lines.at(55),
        QStringLiteral("合计\t根数\t18\t下限\t17\t损耗(m)\t10.80\t损耗率(%)\t10.0\t精确求解"));

    // Saved with the project, read back with it, copied by "另存为", gone with the customer.
    ASSERT_TRUE(project->savebtClick()) << prompts.messages().join(u' ').toStdString();
    const qint32 first = project->customer.id;
    RecordingView otherView(library, prompts);
    std::unique_ptr<OpenProject> reopened = reopen(otherView);
    ASSERT_TRUE(reopened->openproject(first));
    EXPECT_EQ(reopened->cuttingStock, project->cuttingStock);
    prompts.answerConfirm(true);
    ASSERT_TRUE(project->N34Click());
    const qint32 copy = project->customer.id;
    ASSERT_NE(copy, first);
    store->deleteCustomer(first);
    EXPECT_TRUE(cutting_stock_table::read(storeDb, first).empty());
    EXPECT_EQ(cutting_stock_table::read(storeDb, copy), (CuttingStock{{strip, 6000}}));
}

INSTANTIATE_TEST_SUITE_P(Engines, CuttingSheetTest,
                         ::testing::Values(Engine::SQLite, Engine::PostgreSQL), engineName);
