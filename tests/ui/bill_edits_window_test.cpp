#include "core/troom_obj.h"
#include "design_products.h"
#include "library/product_library.h"
#include "next_modal.h"
#include "quote/bill_edits.h"
#include "quote/bill_of_materials.h"
#include "quote/open_project.h"
#include "staged_program.h"
#include "support/scripted_prompts.h"
#include "ui/customer_page.h"
#include "ui/main_bill_edits.h"
#include "ui/program_start.h"
#include "ui/tmainfm.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <functional>

namespace {

int rowOf(const Tmainfm& main, qint32 tag) {
    const std::vector<BillRow>& rows = const_cast<Tmainfm&>(main).bill().table().rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].tag == tag) {
            return int(i);
        }
    }
    return -1;
}

QString cell(Tmainfm& main, int row, int column) {
    QAbstractItemModel& model = main.bill().table();
    return model.data(model.index(row, column), Qt::DisplayRole).toString();
}

} // namespace

// The three windows driven through the real statistics table of the customer page.
TEST(BillEditWindows, PriceAccessoryAndItemWindowsChangeTheTable) {
    StagedProgram staged("[setup]\r\nautocreateroom=0\r\n");
    design_products::add(staged);
    ScriptedPrompts prompts;
    ProgramStart program(staged.path(), &prompts);
    ASSERT_EQ(program.start(), 0) << qPrintable(prompts.shown.join('\n'));
    Tmainfm& main = *program.mainWindow();
    const int panel = design_products::Panel;

    NewRoomRequest request;
    request.name = QStringLiteral("客厅");
    main.CreatNewRoom(request);
    TRoom_OBJ& room = *main.getActiveOBJ();
    room.makeRectangle(300, 300);
    room.editMode = EditDesign;
    room.setTool(FirstDesignTool);
    room.currentProduct = {panel, KindSquarePanel, 0};
    room.wholeAndPatternFill(0, 0);
    main.project().customer.keelLength = 1;
    main.project().customer.keelPrice = 4;
    main.showStatistics();
    QTableView* table = main.customerPage()->statisticsTable();
    ASSERT_EQ(table->model(), &main.bill().table());
    const int productRow = rowOf(main, panel);
    ASSERT_GE(productRow, 0);

    // Double-click a product: "产品价格设置" with the picture on (1, 1, 17) in a black frame.
    onNextModal([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("产品价格设置"));
        const QImage shown =
            dialog.findChild<QLabel*>(QStringLiteral("productPicture"))->pixmap().toImage();
        EXPECT_EQ(QColor(shown.pixel(0, 0)), QColor(1, 1, 17));
        const QPoint centre(shown.width() / 2, shown.height() / 2);
        int x = centre.x();
        while (x > 0 && QColor(shown.pixel(x, centre.y())) != QColor(1, 1, 17)) {
            --x;
        }
        EXPECT_EQ(QColor(shown.pixel(x + 1, centre.y())), QColor(Qt::black)) << "the frame";
        EXPECT_EQ(QColor(shown.pixel(x + 2, centre.y())), QColor(Qt::black));
        dialog.findChild<QDoubleSpinBox*>(QStringLiteral("price"))->setValue(20);
        dialog.accept();
    });
    emit table->doubleClicked(table->model()->index(productRow, 0));
    const int panels = cell(main, rowOf(main, panel), 2).toInt();
    ASSERT_GT(panels, 0);
    EXPECT_EQ(cell(main, rowOf(main, panel), 5), QStringLiteral("20"));
    EXPECT_EQ(cell(main, rowOf(main, panel), 6), QString::number(panels * 20));

    // Double-click the keel row: the accessory window; keel length 0 removes the row.
    onNextModal([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("当前项目附件参数设置"));
        auto* keel = dialog.findChild<QDoubleSpinBox*>(QStringLiteral("long"));
        EXPECT_DOUBLE_EQ(keel->value(), 1);
        keel->setValue(0);
        dialog.accept();
    });
    emit table->doubleClicked(table->model()->index(rowOf(main, -2), 0));
    EXPECT_EQ(rowOf(main, -2), -1);

    // "添加修正数据" opens "非显示物件"; a quantity of -2 and "确定" correct the row.
    onNextModal([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("非显示物件"));
        auto* items = dialog.findChild<QTreeWidget*>(QStringLiteral("items"));
        ASSERT_EQ(items->topLevelItemCount(), 1);
        EXPECT_EQ(items->topLevelItem(0)->text(1), QStringLiteral("1"));
        auto* quantity = dialog.findChild<QSpinBox*>(QStringLiteral("quantity"));
        EXPECT_FALSE(quantity->isEnabled()) << "until an entry is chosen";
        items->setCurrentItem(items->topLevelItem(0));
        EXPECT_TRUE(quantity->isEnabled());
        quantity->setValue(-2);
        EXPECT_EQ(items->topLevelItem(0)->text(1), QStringLiteral("-2"));
        dialog.findChild<QPushButton*>(QStringLiteral("confirm"))->click();
    });
    MenuModel menu = main.billEdits().edits().statisticsMenu(rowOf(main, panel));
    ASSERT_EQ(menu.items[2].caption, QStringLiteral("添加修正数据"));
    menu.items[2].onChosen();
    EXPECT_EQ(cell(main, rowOf(main, panel), 3), QStringLiteral("-2"));
    EXPECT_EQ(cell(main, rowOf(main, panel), 6), QString::number((panels - 2) * 20));
    EXPECT_EQ(main.billEdits().itemsWindow(), nullptr) << "closed";
}
