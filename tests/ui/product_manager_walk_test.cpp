// The product manager as a newcomer meets it: typing prices into the grid, adding custom
// products from the tree's menu after a right click.

#include "library/library_schema.h"
#include "platform/database.h"
#include "platform/picture.h"
#include "platform/profile_file.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"
#include "ui/product_grid_model.h"
#include "ui/tnewzdyprofm.h"
#include "ui/tpromanagerfm.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

QByteArray bitmap(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    return picture::writeBmp(image);
}

QAction* customEntry(QMenu& menu, const QString& caption) {
    for (QAction* a : menu.actions()) {
        if (a->text() == QStringLiteral("自定义")) {
            for (QAction* entry : a->menu()->actions()) {
                if (entry->text() == caption) {
                    return entry;
                }
            }
        }
    }
    return nullptr;
}

// A library with one vendor sub-category of two products and one custom sub-category.
class ManagerWalk : public ::testing::Test {
protected:
    ManagerWalk() : setup(home.file(QStringLiteral("setup.ini"))) {
        EXPECT_TRUE(db.create(home.file(QStringLiteral("db.data"))));
        createLibrarySchema(db);
        db.exec(QStringLiteral("insert into cailiao (id, cailiao, comp_id) values (1,'扣板',2)"));
        db.exec(
            QStringLiteral("insert into xinghao (id, xinghao, cailiao_id) values (11,'方板',1)"));
        db.exec(QStringLiteral(
            "insert into cailiao (id, cailiao, comp_id) values (100001,'我的灯',2)"));
        db.exec(QStringLiteral(
            "insert into xinghao (id, xinghao, cailiao_id) values (100001,'吸顶',100001)"));
        for (int i = 0; i < 2; ++i) {
            db.exec(QStringLiteral("insert into pic (id, xinghao_id, title, style, width, height, "
                                   "price, danwei, l_img) values (?,11,?,0,300,300,10,'块',?)"),
                    {100 + i, QStringLiteral("板%1").arg(i), bitmap(60, 60)});
        }
        window = std::make_unique<Tpromanagerfm>(db, setup, prompts, home.path());
        window->scope = [] { return ManagerScope{7, 3}; };
        window->open();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    QTreeWidgetItem* vendorSub() const {
        return window->tree()->topLevelItem(0)->child(0)->child(0);
    }
    QTreeWidgetItem* customSub() const {
        return window->tree()->topLevelItem(2)->child(0)->child(0);
    }
    // A right click on a tree node as the mouse gives it: the press makes the node current
    // before the menu shows.
    std::unique_ptr<QMenu> rightClick(QTreeWidgetItem* item) {
        QTreeWidget* tree = window->tree();
        tree->expandAll();
        const QPoint at = tree->visualItemRect(item).center();
        QTest::mousePress(tree->viewport(), Qt::RightButton, {}, at);
        QTest::mouseRelease(tree->viewport(), Qt::RightButton, {}, at);
        return window->treeMenu(item);
    }

    TempFolder home;
    Database db;
    ProfileFile setup;
    ScriptedPrompts prompts;
    std::unique_ptr<Tpromanagerfm> window;
};

} // namespace

TEST_F(ManagerWalk, PricesAreTypedAsDecimalsAndShownWithTwoDecimals) {
    window->nodeClicked(vendorSub());
    QTableView* grid = window->grid();
    ProductGridModel* model = window->gridModel();
    ASSERT_EQ(model->rowCount(), 2);

    // Typed keys as given, the ones the field refuses among them.
    const struct {
        const char* keys;
        double price;
        const char* shown;
    } cases[] = {{"41.5", 41.5, "41.50"},
                 {"7.125", 7.12, "7.12"},
                 {"3a.0", 3, "3.00"},
                 {"0.05", 0.05, "0.05"}};
    for (const auto& c : cases) {
        const QModelIndex price = model->index(0, ProductGridModel::Price);
        grid->setFocus();
        grid->setCurrentIndex(model->index(1, ProductGridModel::Name));
        grid->setCurrentIndex(price);
        const QList<QLineEdit*> editors =
            grid->findChildren<QLineEdit*>(QStringLiteral("priceEditor"));
        ASSERT_EQ(editors.size(), 1) << c.keys;
        QLineEdit* edit = editors.first();
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromLatin1(c.keys));
        EXPECT_DOUBLE_EQ(window->manager().row(0)->priceEditor, c.price) << c.keys;
        // Return closes the editor once the events run; it goes at once, so that the next
        // cell's editor is the only one.
        QTest::keyClick(edit, Qt::Key_Return);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(model->index(0, ProductGridModel::Price).data().toString(),
                  QString::fromLatin1(c.shown))
            << c.keys;
    }
    EXPECT_TRUE(window->saveAction()->isEnabled());
    window->saveAction()->trigger();
    EXPECT_DOUBLE_EQ(db.scalar(QStringLiteral("select price from pic where id=100")).toDouble(),
                     0.05);
}

TEST_F(ManagerWalk, TreeMenuAddsProductsAndRefusesOnesWithoutPicture) {
    // The grid shows another sub-category when the custom one is right-clicked.
    window->nodeClicked(vendorSub());
    std::unique_ptr<QMenu> menu = rightClick(customSub());
    ASSERT_EQ(window->tree()->currentItem(), customSub());
    QAction* add = customEntry(*menu, QStringLiteral("添加产品"));
    ASSERT_NE(add, nullptr);
    ASSERT_TRUE(add->isEnabled());

    TNewZDYProFM* editor = window->productEditor();
    home.write(QStringLiteral("灯.bmp"), bitmap(40, 20));
    prompts.answerPath(home.file(QStringLiteral("灯.bmp")));
    int shown = 0;
    QTimer::singleShot(0, editor, [&] {
        ++shown;
        // Without a picture the product could never be seen, edited or deleted.
        editor->nameEdit()->setText(QStringLiteral("无图"));
        editor->okButton()->click();
        EXPECT_TRUE(editor->isVisible());
        editor->sButton1Click();
        editor->okButton()->click();
    });
    add->trigger();
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(prompts.messages(), QStringList{QStringLiteral("请选择产品图像！")});
    ASSERT_EQ(window->gridModel()->rowCount(), 1);
    ASSERT_NE(window->manager().row(0), nullptr);
    EXPECT_EQ(window->manager().row(0)->title, QStringLiteral("灯"));
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from pic where xinghao_id=100001")).toInt(),
              1);
}

TEST_F(ManagerWalk, TheTreeListsSubCategoriesInPinyinOrder) {
    for (const auto& [id, name] : {std::pair{12, "条板"}, {13, "格栅"}, {14, "铝扣"}}) {
        db.exec(QStringLiteral("insert into xinghao (id, xinghao, cailiao_id) values (?,?,1)"),
                {id, QString::fromUtf8(name)});
    }
    window->open();
    const QTreeWidgetItem* category = window->tree()->topLevelItem(0)->child(0);
    QStringList names;
    for (int i = 0; i < category->childCount(); ++i) {
        names << category->child(i)->text(0);
    }
    EXPECT_EQ(names, QStringList({"方板", "格栅", "铝扣", "条板"}));
}
