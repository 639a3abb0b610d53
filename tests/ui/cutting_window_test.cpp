#include "design_products.h"
#include "library/product_library.h"
#include "next_modal.h"
#include "quote/open_project.h"
#include "quote/setup_file.h"
#include "quote/setup_keys.h"
#include "staged_program.h"
#include "support/scripted_prompts.h"
#include "ui/customer_page.h"
#include "ui/main_actions.h"
#include "ui/program_start.h"
#include "ui/tmainfm.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

template <class T> T* child(QWidget* parent, const char* name) {
    return parent->findChild<T*>(QString::fromLatin1(name));
}

} // namespace

// The saw allowance set on the settings window reaches the cutting list; a stock length
// typed for a strip longer than its bars plans them at once and stays with the project;
// the statistics button's menu opens the same list.
TEST(CuttingWindow, AStockLengthTypedPlansTheBarsAndStaysWithTheProject) {
    StagedProgram staged("[setup]\r\nautocreateroom=0\r\n");
    design_products::add(staged);
    ScriptedPrompts prompts;
    ProgramStart program(staged.path(), &prompts);
    ASSERT_EQ(program.start(), 0) << qPrintable(prompts.shown.join('\n'));
    Tmainfm& main = *program.mainWindow();

    // 600 cm of strips 3000 mm across on the centred grid: 3 runs of 450 cm, longer than
    // the strip's own length (its height, 3000 mm).
    NewRoomRequest request;
    request.name = QStringLiteral("厨房");
    request.roomMode = StripsAlongColumns;
    main.CreatNewRoom(request);
    TRoom_OBJ& room = *main.getActiveOBJ();
    room.makeRectangle(600, 450);
    room.editMode = EditDesign;
    room.setTool(FirstDesignTool);
    room.currentProduct = {design_products::Strip, KindStrip, 0};
    room.wholeAndPatternFill(0, 0);
    room.recount();

    onNextModal([](QDialog& settings) {
        child<QSpinBox>(&settings, "sawKerf")->setValue(4);
        child<QPushButton>(&settings, "okButton")->click();
    });
    main.actions()[QStringLiteral("setup")]->trigger();
    EXPECT_EQ(SetupFile(staged.home().file(QStringLiteral("setup.ini"))).read(setup::sawKerf), 4);
    main.showStatistics();

    bool shown = false;
    onNextModal([&shown](QDialog& window) {
        shown = true;
        QTimer::singleShot(0, &window, &QDialog::reject);
        EXPECT_EQ(window.windowTitle(), QStringLiteral("下料单"));
        auto* stock = child<QSpinBox>(&window, "stock0");
        auto* result = child<QLabel>(&window, "result0");
        auto* bars = child<QTableWidget>(&window, "bars0");
        ASSERT_TRUE(stock && result && bars);
        auto* runs = child<QTableWidget>(&window, "runs0");
        ASSERT_EQ(runs->rowCount(), 3);
        for (int row = 0; row < 3; ++row) {
            EXPECT_EQ(runs->item(row, 1)->text(), QStringLiteral("450"));
        }
        EXPECT_TRUE(stock->isEnabled());
        EXPECT_EQ(result->text(), QStringLiteral("请输入原料长度"));
        stock->setValue(5000);
        EXPECT_EQ(result->text(),
                  QStringLiteral("需原料 3 根（下限 3 根）   损耗 1.50 m（10.0%）   精确求解"));
        ASSERT_EQ(bars->rowCount(), 3);
        EXPECT_EQ(bars->item(0, 1)->text(), QStringLiteral("4500"));
        EXPECT_EQ(bars->item(0, 2)->text(), QStringLiteral("496")) << "5000 − 4500 − one cut";
        EXPECT_EQ(child<QWidget>(&window, "picture0")->sizeHint().height(), 3 * 22 + 4);
    });
    main.customerPage()->cuttingButton()->click();
    ASSERT_TRUE(shown);
    EXPECT_EQ(main.project().cuttingStock, (CuttingStock{{design_products::Strip, 5000}}));
    EXPECT_TRUE(main.project().edited());

    shown = false;
    onNextModal([&shown](QDialog& window) {
        shown = true;
        QTimer::singleShot(0, &window, &QDialog::reject);
        EXPECT_EQ(child<QSpinBox>(&window, "stock0")->value(), 5000);
    });
    main.actions()[QStringLiteral("cuttingList")]->trigger();
    EXPECT_TRUE(shown);
}
