#include "next_modal.h"
#include "platform/database.h"
#include "staged_program.h"
#include "store/customer_store.h"
#include "support/scripted_prompts.h"
#include "ui/customer_fields.h"
#include "ui/main_actions.h"
#include "ui/program_start.h"
#include "ui/tmainfm.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QtTest/QTest>
#include <gtest/gtest.h>

namespace {

QStringList entries(const QComboBox& box) {
    QStringList texts;
    for (int i = 0; i < box.count(); ++i) {
        texts << box.itemText(i);
    }
    return texts;
}

QStringList column(const QTableView& table, int c) {
    QStringList texts;
    for (int r = 0; r < table.model()->rowCount(); ++r) {
        texts << table.model()->index(r, c).data().toString();
    }
    return texts;
}

void clickHeading(QTableView& table, int section) {
    QHeaderView* header = table.horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(section) + 5, header->height() / 2));
}

} // namespace

TEST(PinyinOrderWindows, TheAreaAndHandlerBoxesListTheirNamesInPinyinOrder) {
    CustomerFields fields;
    fields.setChoices({QStringLiteral("    "), QStringLiteral("幸福里"), QStringLiteral("安居苑"),
                       QStringLiteral("翠湖")},
                      {QStringLiteral("王工"), QStringLiteral("陈工"), QStringLiteral("李工")});
    EXPECT_EQ(entries(*fields.findChild<QComboBox*>(QStringLiteral("area"))),
              QStringList({"（无）", "安居苑", "翠湖", "幸福里"}));
    EXPECT_EQ(entries(*fields.findChild<QComboBox*>(QStringLiteral("worker"))),
              QStringList({"    ", "陈工", "李工", "王工"}));
}

TEST(PinyinOrderWindows, TheBrowserSortsByTheClickedHeadingAndFindsNamesByPinyin) {
    StagedProgram staged("[Reg]\r\ncompid=7\r\n");
    {
        Database db;
        ASSERT_TRUE(db.open(staged.home().file(QStringLiteral("数据文件/Userdb.data"))));
        CustomerStore store(db);
        for (const char* area : {"幸福里", "安居苑"}) {
            store.addName(NameList::Areas, QString::fromUtf8(area));
        }
        for (const char* name : {"张三", "阿明", "李四"}) {
            CustomerRecord customer;
            customer.compid = 7;
            customer.name = QString::fromUtf8(name);
            store.insertCustomer(customer);
        }
    }
    ScriptedPrompts prompts;
    ProgramStart program(staged.path(), &prompts);
    ASSERT_EQ(program.start(), 0);
    bool ran = false;
    onNextModal([&](QDialog& browser) {
        ran = true;
        auto* table = browser.findChild<QTableView*>(QStringLiteral("customerTable"));
        ASSERT_NE(table, nullptr);
        EXPECT_EQ(column(*table, 2), QStringList({"李四", "阿明", "张三"}));
        const auto* areas = browser.findChild<QListWidget*>(QStringLiteral("areaPanel"));
        ASSERT_NE(areas, nullptr);
        ASSERT_EQ(areas->count(), 3);
        EXPECT_EQ(areas->item(1)->text(), QStringLiteral("  安居苑"));
        EXPECT_EQ(areas->item(2)->text(), QStringLiteral("  幸福里"));
        clickHeading(*table, 2);
        EXPECT_EQ(column(*table, 2), QStringList({"阿明", "李四", "张三"}));
        clickHeading(*table, 2);
        EXPECT_EQ(column(*table, 2), QStringList({"张三", "李四", "阿明"}));

        auto* field = browser.findChild<QComboBox*>(QStringLiteral("searchField"));
        auto* text = browser.findChild<QComboBox*>(QStringLiteral("searchText"));
        ASSERT_NE(field, nullptr);
        ASSERT_NE(text, nullptr);
        field->setCurrentText(QStringLiteral("用户名"));
        text->setCurrentText(QStringLiteral("ZS"));
        QTest::mouseClick(browser.findChild<QPushButton*>(QStringLiteral("search")),
                          Qt::LeftButton);
        EXPECT_EQ(column(*table, 2), QStringList({"张三"}));
        browser.reject();
    });
    program.mainWindow()->actions()["ToolButton17"]->trigger();
    EXPECT_TRUE(ran);
}
