#include "next_modal.h"
#include "platform/database.h"
#include "quote/open_project.h"
#include "staged_program.h"
#include "store/customer_store.h"
#include "support/scripted_prompts.h"
#include "ui/customer_page.h"
#include "ui/main_actions.h"
#include "ui/program_start.h"
#include "ui/tmainfm.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

void trigger(Tmainfm& main, const char* name) {
    main.actions()[QString::fromUtf8(name)]->trigger();
}

template <class T> T* child(QWidget* parent, const char* name) {
    return parent->findChild<T*>(QString::fromLatin1(name));
}

// How a button looks under the program's first skin.
QImage looks(QAbstractButton* button) {
    QFile skin(QStringLiteral(YZ_SOURCE_DIR "/data/skins/云白.qss"));
    EXPECT_TRUE(skin.open(QIODevice::ReadOnly));
    button->window()->setStyleSheet(QString::fromUtf8(skin.readAll()));
    return button->grab().toImage();
}

} // namespace

// The lock shows whether the amount is locked, also under a skin; a new default discount
// shows the discount field at once; a discount typed below the lowest becomes the lowest
// with a word in the status bar.
TEST(CustomerPage, TheLockLooksPressedAndTheDiscountFollowsTheSettings) {
    StagedProgram staged("[PRO]\r\nzk=100\r\nminzk=90\r\n[setup]\r\nautocreateroom=1\r\n");
    ScriptedPrompts prompts;
    ProgramStart program(staged.path(), &prompts);
    ASSERT_EQ(program.start(), 0) << qPrintable(prompts.shown.join('\n'));
    Tmainfm& main = *program.mainWindow();
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    trigger(main, "statistics");
    CustomerPage* page = main.customerPage();
    auto* discount = child<QSpinBox>(page, "zk");
    EXPECT_FALSE(discount->isVisibleTo(page)) << "the default discount is 100";

    onNextModal([](QDialog& settings) {
        child<QSpinBox>(&settings, "zk")->setValue(95);
        child<QPushButton>(&settings, "okButton")->click();
    });
    trigger(main, "setup");
    EXPECT_TRUE(discount->isVisibleTo(page)) << "shown without reopening the customer";

    auto* lock = child<QAbstractButton>(page, "lockAmount");
    const QImage released = looks(lock);
    prompts.answerConfirm(true);
    lock->click();
    EXPECT_TRUE(main.project().customer.locked);
    EXPECT_TRUE(lock->isChecked());
    EXPECT_NE(looks(lock), released) << "the locked button looks pressed";
    prompts.answerConfirm(true);
    lock->click();
    EXPECT_FALSE(lock->isChecked());
    EXPECT_EQ(looks(lock), released);

    discount->setFocus();
    discount->selectAll();
    QTest::keyClicks(discount, QStringLiteral("50"));
    QTest::keyClick(discount, Qt::Key_Return);
    EXPECT_EQ(discount->value(), 90) << "the lowest allowed, not the value before";
    EXPECT_EQ(main.project().customer.zk, 90);
    EXPECT_TRUE(main.statusBar()->currentMessage().contains(QStringLiteral("最低折扣90%")))
        << main.statusBar()->currentMessage().toStdString();
}

// "新建": the form offers the stored areas and takes a new one typed into it; the page
// shows the new customer's area and no room of the project before. A customer without
// area shows "（无）".
TEST(CustomerPage, ANewCustomerTakesATypedAreaAndDropsTheRoomsBefore) {
    StagedProgram staged("[setup]\r\nautocreateroom=1\r\n");
    {
        Database store;
        ASSERT_TRUE(store.open(staged.home().file(QStringLiteral("数据文件/Userdb.data"))));
        CustomerStore(store).addName(NameList::Areas, QStringLiteral("翠湖"));
    }
    ScriptedPrompts prompts;
    ProgramStart program(staged.path(), &prompts);
    ASSERT_EQ(program.start(), 0) << qPrintable(prompts.shown.join('\n'));
    Tmainfm& main = *program.mainWindow();
    trigger(main, "statistics");
    CustomerPage* page = main.customerPage();
    ASSERT_EQ(page->roomChecks()->count(), 1) << "the start room";
    auto* area = child<QComboBox>(page, "area");
    EXPECT_EQ(area->currentText(), QStringLiteral("（无）"));

    onNextModal([](QDialog& form) {
        auto* box = child<QComboBox>(&form, "area");
        EXPECT_EQ(box->findText(QStringLiteral("翠湖")), 1);
        EXPECT_TRUE(box->isEditable());
        child<QLineEdit>(&form, "name")->setText(QStringLiteral("孙七"));
        box->setEditText(QStringLiteral("新小区"));
        onNextModal([](QDialog& newRoom) { newRoom.reject(); });
        form.accept();
    });
    trigger(main, "N27");
    EXPECT_EQ(main.project().customer.name, QStringLiteral("孙七"));
    EXPECT_EQ(main.project().customer.areaTitle, QStringLiteral("新小区"));
    EXPECT_GE(main.project().customer.areaId, 0);
    EXPECT_EQ(area->currentText(), QStringLiteral("新小区"));
    EXPECT_EQ(page->roomChecks()->count(), 0) << "the start room was discarded";
    EXPECT_TRUE(prompts.messages().isEmpty()) << qPrintable(prompts.shown.join('\n'));
}
