#include "library/library_schema.h"
#include "platform/database.h"
#include "platform/picture.h"
#include "quote/held_settings.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"
#include "ui/product_picker_panel.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A library with two categories of company 0: 扣板 (sub-category 方板) and 电器 (灯).
class PickerPanelTest : public ::testing::Test {
protected:
    PickerPanelTest() {
        EXPECT_TRUE(db.create(folder.file(QStringLiteral("db.data"))));
        createLibrarySchema(db);
        category(1, QStringLiteral("扣板"), 11, QStringLiteral("方板"));
        category(2, QStringLiteral("电器"), 21, QStringLiteral("灯"));
        product(101, 11, QStringLiteral("方板A"), 0, 300, 300, 20);
        product(211, 21, QStringLiteral("吸顶灯"), 2, 250, 300, 99.5);
        product(212, 21, QStringLiteral("筒灯"), 2, 100, 100, 8);
        settings.company.compstyle = 0;
        settings.searchHistory = {QStringLiteral("旧")};
        panel = std::make_unique<ProductPickerPanel>(db, &prompts);
        panel->rowChosen = [this](const PickerStatusTexts& texts, bool) {
            chosen.push_back(texts);
        };
        panel->selectionForgotten = [this] { ++forgotten; };
        panel->useSettings(settings);
        panel->resize(panel->width(), 500);
        panel->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(panel.get()));
    }

    void category(int id, const QString& name, int subId, const QString& subName) {
        db.exec(
            QStringLiteral("insert into cailiao (id, cailiao, comp_id, stauts) values (?,?,0,0)"),
            {id, name});
        db.exec(QStringLiteral("insert into xinghao (id, xinghao, cailiao_id, stauts) "
                               "values (?,?,?,0)"),
                {subId, subName, id});
    }
    void product(int id, int sub, const QString& title, int kind, int w, int h, double price) {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(Qt::darkGray);
        db.exec(QStringLiteral("insert into pic (id, xinghao_id, title, style, width, height, "
                               "price, danwei, l_img, stauts) values (?,?,?,?,?,?,?,'块',?,0)"),
                {id, sub, title, kind, w, h, price, picture::writeBmp(image)});
    }
    void clickRow(int row) {
        QTableWidget* grid = panel->grid();
        const QRect cell = grid->visualRect(grid->model()->index(row, 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }

    TempFolder folder;
    Database db;
    ScriptedPrompts prompts;
    HeldSettings settings;
    std::unique_ptr<ProductPickerPanel> panel;
    std::vector<PickerStatusTexts> chosen;
    int forgotten = 0;
};

TEST_F(PickerPanelTest, ChoosingCategoryFillsGridAndClickChoosesRow) {
    EXPECT_FALSE(panel->catalogueBox()->isVisible());
    EXPECT_EQ(panel->categoryPanel()->height(), 60);
    EXPECT_EQ(panel->width(), 165);
    EXPECT_EQ(panel->topCategoryBox()->width(), 155);
    EXPECT_EQ(panel->topCategoryBox()->y(), 8);
    EXPECT_EQ(panel->subCategoryBox()->y(), 32);
    ASSERT_EQ(panel->topCategoryBox()->count(), 2);
    EXPECT_EQ(panel->grid()->rowCount(), 2);

    const int before = forgotten;
    panel->topCategoryBox()->setCurrentIndex(1);
    EXPECT_GT(forgotten, before);
    EXPECT_EQ(panel->subCategoryBox()->currentText(), "灯");
    QTableWidget* grid = panel->grid();
    ASSERT_EQ(grid->rowCount(), 3);
    EXPECT_EQ(grid->rowHeight(0), 0);
    EXPECT_EQ(grid->rowHeight(1), 50);
    EXPECT_EQ(grid->columnWidth(1), 100);
    EXPECT_EQ(grid->width(), 165);
    EXPECT_EQ(grid->columnWidth(0), 22) << "column 1 centred";
    EXPECT_TRUE(chosen.empty());

    clickRow(2); // rows by title: 吸顶灯, 筒灯
    ASSERT_EQ(chosen.size(), 1u);
    EXPECT_EQ(chosen[0].title, "筒灯");
    EXPECT_EQ(chosen[0].size, "100mm X 100mm");
    EXPECT_EQ(chosen[0].price, "价:8");
    EXPECT_EQ(chosen[0].status, "正常 ［电器］");
    EXPECT_EQ(panel->picker().selection().id, 212);

    // The selected cell is tinted with the appliance colour; the other stays white.
    const QImage shown = grid->viewport()->grab().toImage();
    const QRect selected = grid->visualRect(grid->model()->index(2, 1));
    const QRect other = grid->visualRect(grid->model()->index(1, 1));
    EXPECT_EQ(QColor(shown.pixel(selected.left() + 3, selected.top() + 1)), QColor(233, 233, 166));
    EXPECT_EQ(QColor(shown.pixel(selected.left(), selected.top() + 10)), QColor(Qt::black));
    EXPECT_EQ(QColor(shown.pixel(other.left() + 3, other.top() + 1)), QColor(Qt::white));
    EXPECT_TRUE(prompts.shown.isEmpty()) << qPrintable(prompts.shown.join('\n'));
}

TEST_F(PickerPanelTest, TheGridTakesTheSkinsColoursAndCutsLongTitles) {
    product(213, 21, QStringLiteral("超长名称的嵌入式吸顶灯产品型号"), 2, 100, 100, 8);
    panel->topCategoryBox()->setCurrentIndex(1);
    QTableWidget* grid = panel->grid();
    const QColor base(32, 36, 42);
    grid->setStyleSheet(QStringLiteral("QTableView { background: rgb(32, 36, 42); "
                                       "color: rgb(224, 228, 234); }"));
    const QImage shown = grid->viewport()->grab().toImage();
    for (int row = 1; row < grid->rowCount(); ++row) {
        const QRect cell = grid->visualRect(grid->model()->index(row, 1));
        EXPECT_EQ(QColor(shown.pixel(cell.left() + 1, cell.top() + 1)), base) << row;
        // The title band holds text within the cell only.
        int first = shown.width();
        int last = -1;
        for (int y = cell.bottom() - 15; y <= cell.bottom(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                if (QColor(shown.pixel(x, y)) != base) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
            }
        }
        EXPECT_LE(first, last) << "no title in row " << row;
        EXPECT_GE(first, cell.left()) << row;
        EXPECT_LE(last, cell.right()) << row;
    }
}

TEST_F(PickerPanelTest, EnterInSearchBoxSearchesAndKeepsHistory) {
    QLineEdit* edit = panel->searchBox()->lineEdit();
    edit->setText(QStringLiteral("灯"));
    // The key goes where the keyboard focus is: the box, not its line edit.
    QTest::keyClick(panel->searchBox(), Qt::Key_Return);
    EXPECT_EQ(panel->grid()->rowCount(), 3);
    EXPECT_EQ(settings.searchHistory, (QStringList{"灯", "旧"}));
    ASSERT_EQ(panel->searchBox()->count(), 2);
    EXPECT_EQ(panel->searchBox()->itemText(0), "灯");
    EXPECT_EQ(edit->text(), "灯");

    edit->setText(QStringLiteral("无此产品"));
    QTest::mouseClick(panel->searchButton(), Qt::LeftButton);
    EXPECT_EQ(panel->grid()->rowCount(), 1);
    EXPECT_EQ(settings.searchHistory.size(), 2);
}

TEST_F(PickerPanelTest, PopupOffersFillsRadioOrientationsAndInformation) {
    db.exec(QStringLiteral("update pic set picurl='http://x/info.htm' where id=101"));
    panel->reload();
    QString opened;
    panel->openInformation = [&](const QString& address) { opened = address; };
    std::pair<int, int> filled{-1, -1};
    panel->fillPatternChosen = [&](int pattern, int orientation) {
        filled = {pattern, orientation};
    };
    clickRow(1);
    std::unique_ptr<QMenu> menu = panel->popupMenu();
    const QList<QAction*> entries = menu->actions();
    ASSERT_EQ(entries.size(), 6);
    EXPECT_EQ(entries[0]->text(), "填充");
    EXPECT_EQ(entries[1]->text(), "产品方向");
    EXPECT_TRUE(entries[3]->isSeparator());
    EXPECT_FALSE(entries[4]->isEnabled()) << "no statistics command yet";
    const QList<QAction*> orientations = entries[1]->menu()->actions();
    ASSERT_EQ(orientations.size(), 4);
    EXPECT_TRUE(orientations[0]->isChecked());
    EXPECT_TRUE(orientations[3]->isCheckable());
    EXPECT_FALSE(entries[2]->isEnabled()) << "no price command yet";

    entries[1]->menu()->actions()[2]->trigger();
    EXPECT_EQ(panel->picker().selection().orientation, 2);
    entries[0]->menu()->actions()[1]->trigger();
    EXPECT_EQ(filled, std::make_pair(1, 2));
    ASSERT_TRUE(entries[5]->isEnabled());
    entries[5]->trigger();
    EXPECT_EQ(opened, "http://x/info.htm");
}

TEST_F(PickerPanelTest, WidePictureWidensThePickerColumn) {
    QImage wide(200, 50, QImage::Format_RGB32);
    wide.fill(Qt::gray);
    db.exec(QStringLiteral("update pic set l_img=? where id=101"), {picture::writeBmp(wide)});
    panel->reload();
    EXPECT_EQ(panel->width(), 230);
    EXPECT_EQ(panel->grid()->columnWidth(1), 220);
    EXPECT_EQ(panel->grid()->columnWidth(0), 0);
    EXPECT_EQ(panel->grid()->rowHeight(1), 70);
    EXPECT_EQ(panel->topCategoryBox()->width(), 220);

    panel->topCategoryBox()->setCurrentIndex(1);
    EXPECT_EQ(panel->width(), 165);
    EXPECT_EQ(panel->topCategoryBox()->width(), 155);
}

TEST(PickerPanel, BothCataloguesShowTheSelector) {
    TempFolder folder;
    Database db;
    ASSERT_TRUE(db.create(folder.file(QStringLiteral("db.data"))));
    createLibrarySchema(db);
    db.exec(QStringLiteral("insert into cailiao (id, cailiao, comp_id, stauts) values "
                           "(1,'原',5,0),(50001,'通用',2,0)"));
    HeldSettings settings;
    settings.company.trueComp = 5;
    settings.company.compstyle = 3;
    ProductPickerPanel panel(db, nullptr);
    panel.useSettings(settings);
    panel.show();
    EXPECT_TRUE(panel.catalogueBox()->isVisible());
    EXPECT_EQ(panel.categoryPanel()->height(), 85);
    EXPECT_EQ(panel.subCategoryBox()->y(), 56);
    EXPECT_EQ(panel.catalogueBox()->currentText(), "原产品");
    EXPECT_EQ(panel.topCategoryBox()->currentText(), "原");
    panel.catalogueBox()->setCurrentIndex(0);
    EXPECT_EQ(panel.topCategoryBox()->currentText(), "通用");
}

} // namespace
