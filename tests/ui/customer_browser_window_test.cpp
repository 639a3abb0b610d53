#include "next_modal.h"
#include "platform/database.h"
#include "platform/picture.h"
#include "quote/open_project.h"
#include "staged_program.h"
#include "store/customer_browser.h"
#include "store/customer_store.h"
#include "support/scripted_prompts.h"
#include "support/titled_room.h"
#include "ui/main_actions.h"
#include "ui/program_start.h"
#include "ui/room_preview.h"
#include "ui/tmainfm.h"
#include "ui/tuserfm.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <functional>

namespace {

template <class T> T* child(QWidget& parent, const char* name) {
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

void press(QWidget& window, const char* command) {
    child<QAction>(window, command)->trigger();
}

// The status bar follows the list's first screen.
QStringList statusTexts(QWidget& browser) {
    QCoreApplication::processEvents();
    QStringList texts;
    for (const QLabel* label : browser.findChild<QStatusBar*>()->findChildren<QLabel*>()) {
        texts << label->text();
    }
    return texts;
}

QString cell(QWidget& browser, int row, int column) {
    const QAbstractItemModel* list = child<QTableView>(browser, "customerTable")->model();
    return list->index(row, column).data().toString();
}

constexpr auto SetupIni = "[Reg]\r\ncompid=7\r\n[PRO]\r\nINDEX=3\r\nINDEXlen=2\r\n"
                          "[setup]\r\nautocreateroom=0\r\n";

// Starts the program on `staged` and runs `steps` in the customer browser that "打开"
// shows.
void inTheBrowser(StagedProgram& staged, ScriptedPrompts& prompts,
                  std::function<void(QDialog&)> steps) {
    ProgramStart program(staged.path(), &prompts);
    ASSERT_EQ(program.start(), 0);
    bool ran = false;
    onNextModal([&](QDialog& browser) {
        ran = true;
        steps(browser);
    });
    program.mainWindow()->actions()["ToolButton17"]->trigger();
    EXPECT_TRUE(ran);
}

} // namespace

TEST(CustomerBrowserWindow, CustomersAreCreatedEditedAndDeletedInTheList) {
    StagedProgram staged(SetupIni);
    ScriptedPrompts prompts;
    inTheBrowser(staged, prompts, [&](QDialog& browser) {
        EXPECT_EQ(browser.windowTitle(), QStringLiteral("客户"));
        EXPECT_EQ(statusTexts(browser),
                  QStringList({"客户数：0", "房间数：0", "竣工数：0", "总金额：0元"}));
        EXPECT_FALSE(child<QAction>(browser, "importRoom")->isVisible());
        EXPECT_FALSE(child<QAction>(browser, "editCustomer")->isEnabled());

        onNextModal([](QDialog& form) {
            EXPECT_EQ(form.findChild<QLabel*>()->text(), QStringLiteral("项目编号:03"));
            child<QLineEdit>(form, "name")->setText(QStringLiteral(" 李四 "));
            child<QComboBox>(form, "sex")->setCurrentText(QStringLiteral("女"));
            form.accept();
        });
        press(browser, "newCustomer");
        ASSERT_EQ(cell(browser, 0, 2), QStringLiteral("李四"));
        EXPECT_EQ(cell(browser, 0, 0), QStringLiteral("1"));
        EXPECT_EQ(cell(browser, 0, 1), QStringLiteral("03"));
        EXPECT_EQ(cell(browser, 0, 7), QStringLiteral("  ")) << "no design date given";

        child<QTableView>(browser, "customerTable")->selectRow(0);
        EXPECT_TRUE(child<QAction>(browser, "editCustomer")->isEnabled());
        onNextModal([](QDialog& form) {
            EXPECT_EQ(child<QComboBox>(form, "sex")->currentText(), QStringLiteral("女"));
            child<QLineEdit>(form, "tele2")->setText(QStringLiteral("13900001111"));
            form.accept();
        });
        press(browser, "editCustomer");
        EXPECT_EQ(cell(browser, 0, 4), QStringLiteral("13900001111"));
        onNextModal([](QDialog& form) { form.accept(); });
        press(browser, "editCustomer");
        Database check;
        ASSERT_TRUE(check.open(staged.home().file(QStringLiteral("数据文件/Userdb.data"))));
        EXPECT_EQ(check.scalar(QStringLiteral("select sex from userlist")).toInt(), 0)
            << "still 女 after an edit without changes";
        EXPECT_EQ(check.scalar(QStringLiteral("select name from userlist")).toString(),
                  QStringLiteral("李四"));

        prompts.answerConfirm(false);
        press(browser, "deleteCustomer");
        EXPECT_EQ(child<QTableView>(browser, "customerTable")->model()->rowCount(), 1);
        prompts.answerConfirm(true);
        press(browser, "deleteCustomer");
        EXPECT_EQ(child<QTableView>(browser, "customerTable")->model()->rowCount(), 0);
        browser.reject();
    });
    EXPECT_EQ(prompts.shown, QStringList({"confirm:是否删除客户李四及其所有房间 ？",
                                          "confirm:是否删除客户李四及其所有房间 ？"}));
}

TEST(CustomerBrowserWindow, ALongListShowsItsFirstPageAndReadsMoreWhileScrolling) {
    StagedProgram staged(SetupIni);
    const int customers = 2 * CustomerListModel::PageSize + 50;
    {
        Database db;
        ASSERT_TRUE(db.open(staged.home().file(QStringLiteral("数据文件/Userdb.data"))));
        Transaction t(db);
        for (int c = 1; c <= customers; ++c) {
            db.exec(QStringLiteral("insert into userlist (Compid, name, price) values (7, ?, 2)"),
                    {QStringLiteral("客户%1").arg(c)});
        }
        t.commit();
    }
    ScriptedPrompts prompts;
    inTheBrowser(staged, prompts, [&](QDialog& browser) {
        auto* table = child<QTableView>(browser, "customerTable");
        const QAbstractItemModel* list = table->model();
        EXPECT_EQ(list->rowCount(), CustomerListModel::PageSize) << "the first page only";
        EXPECT_EQ(cell(browser, 0, 0), QString::number(customers));
        EXPECT_EQ(cell(browser, 0, 2), QStringLiteral("客户%1").arg(customers));
        EXPECT_EQ(statusTexts(browser),
                  QStringList({QStringLiteral("客户数：%1").arg(customers), "房间数：0",
                               "竣工数：0", QStringLiteral("总金额：%1元").arg(2 * customers)}));
        // Each scroll to the end reads the next page, until the oldest customer shows.
        for (int page = 2; page <= 3; ++page) {
            table->scrollToBottom();
            const int shown = std::min(page * CustomerListModel::PageSize, customers);
            EXPECT_TRUE(QTest::qWaitFor([&] { return list->rowCount() == shown; }, 5000))
                << list->rowCount();
        }
        EXPECT_EQ(cell(browser, customers - 1, 0), QStringLiteral("1"));
        EXPECT_EQ(cell(browser, customers - 1, 2), QStringLiteral("客户1"));
        browser.reject();
    });
}

TEST(CustomerBrowserWindow, ARoomIsPreviewedRenamedAndImportedAndACustomerOpened) {
    StagedProgram staged(SetupIni);
    qint32 id = -1;
    {
        Database db;
        ASSERT_TRUE(db.open(staged.home().file(QStringLiteral("数据文件/Userdb.data"))));
        CustomerStore store(db);
        CustomerRecord customer;
        customer.compid = 7;
        customer.name = QStringLiteral("孙八");
        customer.proid = QStringLiteral("X01");
        customer.price = 88.5;
        id = store.insertCustomer(customer);
        QImage design(900, 700, QImage::Format_RGB32);
        design.fill(Qt::white);
        store.insertRoom(RoomRecord{-1,
                                    id,
                                    QStringLiteral("客厅"),
                                    1,
                                    10,
                                    2000,
                                    false,
                                    {},
                                    {},
                                    {},
                                    picture::encodeJpeg(design)});
        customer.compid = 8;
        store.insertRoom(titledRoom(store.insertCustomer(customer), QStringLiteral("外")));
    }
    ScriptedPrompts prompts;
    ProgramStart program(staged.path(), &prompts);
    ASSERT_EQ(program.start(), 0);
    Tmainfm& main = *program.mainWindow();
    main.project().CreatNewRoom({});
    const QString exported = staged.home().file(QStringLiteral("导出文件/客户.xlsx"));
    bool ran = false;
    onNextModal([&](QDialog& browser) {
        ran = true;
        EXPECT_EQ(statusTexts(browser),
                  QStringList({"客户数：1", "房间数：1", "竣工数：0", "总金额：88元"}));
        QAction* import = child<QAction>(browser, "importRoom");
        EXPECT_TRUE(import->isVisible());
        child<QTableView>(browser, "customerTable")->selectRow(0);
        auto* rooms = child<QListWidget>(browser, "rooms");
        ASSERT_EQ(rooms->count(), 1);
        EXPECT_FALSE(import->isEnabled());
        rooms->setCurrentRow(0);
        EXPECT_TRUE(import->isEnabled());

        // The picture shows at 100 %, then the fit timer shrinks it into its page.
        auto* preview = child<RoomPreview>(browser, "roomPreview");
        auto* tabs = child<QTabWidget>(browser, "detailTabs");
        EXPECT_EQ(preview->pictureRect().width(), 900);
        preview->resize(400, 400);
        QTRY_VERIFY(!preview->fitting());
        EXPECT_LE(preview->pictureRect().width(), 395);
        EXPECT_EQ(tabs->tabText(0), preview->zoom().caption());
        press(browser, "bigger");
        EXPECT_EQ(tabs->tabText(0), QStringLiteral("设计图 （%1%）").arg(preview->zoom().zoom()));
        EXPECT_EQ(tabs->tabText(1), QStringLiteral("项目汇总"));

        prompts.answerText(QStringLiteral("主卧"));
        emit rooms->itemDoubleClicked(rooms->item(0));
        EXPECT_EQ(rooms->item(0)->text(), QStringLiteral("主卧"));

        prompts.answerConfirm(true);
        press(browser, "importRoom");
        EXPECT_EQ(main.rooms().size(), 2u);
        EXPECT_TRUE(browser.isVisible()) << "the browser stays open after an import";

        child<QToolButton>(browser, "displayMode")->click();
        auto* icons = child<QListView>(browser, "customerIcons");
        EXPECT_EQ(child<QStackedWidget>(browser, "customerViews")->currentWidget(), icons);
        EXPECT_EQ(icons->model()->index(0, 0).data().toString(), QStringLiteral("X01"));

        prompts.answerPath(exported);
        press(browser, "exportList");

        prompts.answerThreeWay(Prompts::No);
        press(browser, "openCustomer");
        EXPECT_FALSE(browser.isVisible());
    });
    main.actions()["ToolButton38"]->trigger();
    ASSERT_TRUE(ran);
    EXPECT_EQ(main.project().customer.id, id);
    ASSERT_EQ(main.rooms().size(), 1u);
    EXPECT_EQ(main.rooms()[0].room->getName(), QStringLiteral("主卧"));
    EXPECT_TRUE(QFile::exists(exported));
    EXPECT_EQ(prompts.messages(), QStringList({"数据导出完毕！"}));
}
