#include "library/library_schema.h"
#include "platform/database.h"
#include "platform/default_opener.h"
#include "platform/picture.h"
#include "platform/profile_file.h"
#include "staged_program.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"
#include "ui/main_actions.h"
#include "ui/product_grid_delegate.h"
#include "ui/product_grid_model.h"
#include "ui/product_picker_panel.h"
#include "ui/program_start.h"
#include "ui/tmainfm.h"
#include "ui/tnewzdyprofm.h"
#include "ui/tpromanagerfm.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

QAction* entry(QMenu& menu, const QString& path) {
    QMenu* current = &menu;
    const QStringList parts = path.split(u'/');
    for (int i = 0; i < parts.size(); ++i) {
        QAction* found = nullptr;
        for (QAction* a : current->actions()) {
            if (a->text() == parts[i]) {
                found = a;
            }
        }
        if (!found || i + 1 == parts.size()) {
            return found;
        }
        current = found->menu();
    }
    return nullptr;
}

QByteArray bitmap(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    return picture::writeBmp(image);
}

// Runs `step` on the editor window once it is shown modally.
void whenEditorShows(TNewZDYProFM* editor, std::function<void()> step) {
    QTimer::singleShot(0, editor, [editor, step = std::move(step)] {
        EXPECT_TRUE(editor->isVisible());
        step();
    });
}

} // namespace

TEST(ProductManagerWindow, CustomProductMadeInTheManagerReachesThePicker) {
    StagedProgram staged("[Reg]\r\ncompid=2\r\ntrue_comp=2\r\ncompstyle=0\r\n");
    ScriptedPrompts prompts;
    ProgramStart program(staged.path(), &prompts);
    ASSERT_EQ(program.start(), 0) << qPrintable(prompts.shown.join('\n'));
    Tmainfm* main = program.mainWindow();
    QAction* open = main->actions()[QStringLiteral("productManager")];
    ASSERT_TRUE(open->isEnabled());
    open->trigger();
    Tpromanagerfm* manager = program.productManager();
    ASSERT_TRUE(manager->isVisible());
    EXPECT_EQ(manager->windowTitle(), QStringLiteral("产品库维护"));
    EXPECT_FALSE(manager->isModal());
    EXPECT_EQ(manager->parentWidget(), main);

    QTreeWidget* tree = manager->tree();
    ASSERT_EQ(tree->topLevelItemCount(), 2);
    EXPECT_EQ(tree->topLevelItem(0)->text(0), QStringLiteral("产品分类"));
    QTreeWidgetItem* customRoot = tree->topLevelItem(1);
    EXPECT_EQ(customRoot->text(0), QStringLiteral("自定义产品"));

    std::unique_ptr<QMenu> menu = manager->treeMenu(tree->topLevelItem(0));
    EXPECT_TRUE(entry(*menu, "设置产品状态")->isEnabled());
    EXPECT_TRUE(entry(*menu, "设置产品状态")->menu()->actions().isEmpty());
    EXPECT_FALSE(entry(*menu, "自定义")->isEnabled());

    prompts.answerText(QStringLiteral("我的灯"));
    menu = manager->treeMenu(customRoot);
    EXPECT_FALSE(entry(*menu, "设置产品状态")->isEnabled());
    EXPECT_FALSE(entry(*menu, "自定义/编辑")->isEnabled());
    entry(*menu, "自定义/添加大类")->trigger();
    ASSERT_EQ(customRoot->childCount(), 1);
    QTreeWidgetItem* category = customRoot->child(0);
    EXPECT_EQ(category->text(0), QStringLiteral("我的灯"));

    prompts.answerText(QStringLiteral("吸顶"));
    menu = manager->treeMenu(category);
    EXPECT_EQ(tree->currentItem(), category);
    EXPECT_EQ(manager->statusPanel(1)->text(), QStringLiteral("我的灯"));
    entry(*menu, "自定义/添加小类")->trigger();
    ASSERT_EQ(category->childCount(), 1);
    QTreeWidgetItem* sub = category->child(0);

    staged.home().write(QStringLiteral("吸顶灯.新款.bmp"), bitmap(60, 40));
    prompts.answerPath(staged.home().file(QStringLiteral("吸顶灯.新款.bmp")));
    menu = manager->treeMenu(sub);
    EXPECT_EQ(manager->statusPanel(2)->text(), QStringLiteral("吸顶"));
    EXPECT_EQ(manager->statusPanel(3)->text(), QStringLiteral("找到0记录"));
    TNewZDYProFM* editor = manager->productEditor();
    whenEditorShows(editor, [editor] {
        editor->sButton1Click();
        EXPECT_EQ(editor->nameEdit()->text(), QStringLiteral("吸顶灯"));
        EXPECT_EQ(editor->widthEdit()->value(), 300);
        EXPECT_EQ(editor->heightEdit()->value(), 200);
        editor->kindBox()->setCurrentIndex(KindAppliance);
        editor->okButton()->click();
    });
    entry(*menu, "自定义/添加产品")->trigger();
    ASSERT_EQ(manager->gridModel()->rowCount(), 1);
    EXPECT_EQ(manager->gridModel()->index(0, ProductGridModel::Kind).data().toString(),
              QStringLiteral("电器"));
    EXPECT_EQ(manager->grid()->rowHeight(0), 60);

    manager->close();
    EXPECT_EQ(manager->gridModel()->rowCount(), 1);
    EXPECT_FALSE(manager->manager().row(0));
    ProductPickerPanel* picker = main->productPicker();
    EXPECT_EQ(picker->topCategoryBox()->currentText(), QStringLiteral("我的灯"));
    EXPECT_EQ(picker->subCategoryBox()->currentText(), QStringLiteral("吸顶"));
    ASSERT_NE(picker->picker().record(1), nullptr);
    EXPECT_EQ(picker->picker().record(1)->title, QStringLiteral("吸顶灯"));
    EXPECT_EQ(picker->picker().record(1)->kind, KindAppliance);
    EXPECT_TRUE(prompts.unanswered.isEmpty()) << qPrintable(prompts.unanswered.join('\n'));
}

namespace {

// A library of one vendor category with a sub-category of products, one without a picture.
class ManagerWindowTest : public ::testing::Test {
protected:
    ManagerWindowTest() : setup(home.file(QStringLiteral("setup.ini"))) {
        EXPECT_TRUE(db.create(home.file(QStringLiteral("db.data"))));
        createLibrarySchema(db);
        db.exec(QStringLiteral("insert into cailiao (id, cailiao, comp_id) values (1,'扣板',7)"));
        db.exec(
            QStringLiteral("insert into xinghao (id, xinghao, cailiao_id) values (11,'方板',1)"));
        for (int i = 0; i < 40; ++i) {
            db.exec(QStringLiteral("insert into pic (id, xinghao_id, title, style, width, height, "
                                   "price, danwei, picurl, l_img) values (?,11,?,0,300,300,?,"
                                   "'块',?,?)"),
                    {100 + i, QStringLiteral("板%1").arg(i, 2, 10, QChar(u'0')), 10 + i,
                     i == 0 ? QStringLiteral("http://info") : QString(),
                     i == 1 ? QByteArray() : bitmap(30 + i, 30)});
        }
        window = std::make_unique<Tpromanagerfm>(db, setup, prompts, home.path());
        window->scope = [] { return ManagerScope{7, 0}; };
        window->open();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->nodeClicked(window->tree()->topLevelItem(0)->child(0)->child(0));
    }

    TempFolder home;
    Database db;
    ProfileFile setup;
    ScriptedPrompts prompts;
    std::unique_ptr<Tpromanagerfm> window;
};

} // namespace

TEST_F(ManagerWindowTest, GridEditsThroughDelegatesAndSaves) {
    QTableView* grid = window->grid();
    ProductGridModel* model = window->gridModel();
    ASSERT_EQ(model->rowCount(), 40);
    EXPECT_EQ(model->headerData(4, Qt::Horizontal, Qt::DisplayRole).toString(), "价格");
    EXPECT_EQ(grid->rowHeight(0), 50);
    EXPECT_EQ(grid->rowHeight(1), 16); // no picture: an empty row
    EXPECT_EQ(grid->columnWidth(ProductGridModel::Picture), 30 + 39 + 20);
    EXPECT_EQ(grid->columnWidth(ProductGridModel::Name), 150);
    EXPECT_EQ(model->index(1, ProductGridModel::Name).data().toString(), QString());
    EXPECT_FALSE(model->flags(model->index(1, ProductGridModel::Price)) & Qt::ItemIsEditable);
    EXPECT_EQ(model->index(2, ProductGridModel::Size).data().toString(), "300 X 300");
    EXPECT_EQ(window->statusPanel(3)->text(), "找到40记录");
    // The editors exist only while a cell is edited.
    EXPECT_TRUE(grid->findChildren<QLineEdit*>(QStringLiteral("priceEditor")).isEmpty());
    EXPECT_TRUE(grid->findChildren<QComboBox*>().isEmpty());
    EXPECT_FALSE(window->saveAction()->isEnabled());

    const QModelIndex price = model->index(2, ProductGridModel::Price);
    grid->setCurrentIndex(price);
    auto* priceEditor = grid->findChild<QLineEdit*>(QStringLiteral("priceEditor"));
    ASSERT_NE(priceEditor, nullptr);
    EXPECT_EQ(priceEditor->text(), QStringLiteral("12"));
    EXPECT_EQ(priceEditor->width(), 55);
    priceEditor->selectAll();
    QTest::keyClicks(priceEditor, QStringLiteral("13.25"));
    EXPECT_TRUE(window->saveAction()->isEnabled());

    const QModelIndex status = model->index(3, ProductGridModel::Status);
    grid->setCurrentIndex(status);
    auto* box = grid->findChild<QComboBox*>(QStringLiteral("statusBox"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->count(), 3);
    box->setCurrentIndex(StatusOutOfStock);
    emit box->activated(StatusOutOfStock);
    window->saveAction()->trigger();
    EXPECT_FALSE(window->saveAction()->isEnabled());
    EXPECT_DOUBLE_EQ(db.scalar(QStringLiteral("select price from pic where id=102")).toDouble(),
                     13.25);
    EXPECT_EQ(db.scalar(QStringLiteral("select stauts from pic where id=103")).toInt(),
              StatusOutOfStock);

    // "详细" opens the product's address.
    QStringList opened;
    opener::setHandler([&opened](const QString& address) {
        opened << address;
        return true;
    });
    grid->scrollToTop();
    const QRect cell = grid->visualRect(model->index(0, ProductGridModel::Info));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      ProductGridDelegate::controlRect(ProductGridModel::Info, cell).center());
    opener::setHandler({});
    EXPECT_EQ(opened, QStringList{"http://info"});

    // Searching with unsaved edits asks first; 取消 keeps the grid.
    window->manager().setUnit(0, QStringLiteral("片"));
    prompts.answerThreeWay(Prompts::Cancel);
    window->searchEdit()->setText(QStringLiteral("板3"));
    QTest::keyClick(window->searchEdit(), Qt::Key_Return);
    EXPECT_EQ(model->rowCount(), 40);
    prompts.answerThreeWay(Prompts::No);
    QTest::keyClick(window->searchEdit(), Qt::Key_Return);
    EXPECT_EQ(model->rowCount(), 10);
    EXPECT_EQ(window->statusPanel(3)->text(), "找到10记录");
}

TEST(CustomProductWindow, CancelKeepsValuesAndSizesRescaleThePicture) {
    ScriptedPrompts prompts;
    TNewZDYProFM editor(prompts);
    const CustomProductValues given{bitmap(20, 10), QStringLiteral("旧名"),    100, 50,
                                    KindMark,       QStringLiteral("http://a")};
    whenEditorShows(&editor, [&editor] {
        EXPECT_EQ(editor.windowTitle(), QStringLiteral("自定义产品"));
        EXPECT_EQ(editor.pictureArea()->pixmap().size(), QSize(20, 10));
        EXPECT_EQ(editor.kindBox()->currentText(), QStringLiteral("标记"));
        editor.widthEdit()->setValue(300);
        editor.heightEdit()->setValue(600);
        EXPECT_EQ(editor.pictureArea()->pixmap().size(), QSize(60, 120));
        editor.nameEdit()->setText(QStringLiteral("新名"));
        editor.cancelButton()->click();
    });
    EXPECT_FALSE(editor.edit(given));

    whenEditorShows(&editor, [&editor, &prompts] {
        EXPECT_EQ(editor.nameEdit()->text(), QStringLiteral("旧名"));
        EXPECT_EQ(editor.widthEdit()->value(), 100);
        editor.widthEdit()->setValue(4);
        EXPECT_TRUE(editor.pictureArea()->pixmap().isNull());
        editor.widthEdit()->setValue(300);
        editor.nameEdit()->setText(QStringLiteral("  "));
        editor.okButton()->click();
        EXPECT_TRUE(editor.isVisible());
        EXPECT_EQ(prompts.messages(), QStringList{"名称不能为空！"});
        editor.nameEdit()->setText(QStringLiteral(" 新名 "));
        editor.okButton()->click();
    });
    const std::optional<CustomProductValues> result = editor.edit(given);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->name, QStringLiteral("新名"));
    EXPECT_EQ(result->width, 300);
    EXPECT_EQ(result->height, 50);
    EXPECT_EQ(picture::readBmp(result->picture).size(), QSize(60, 10));
}
