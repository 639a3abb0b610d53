#include "platform/database.h"
#include "quote/setup_file.h"
#include "quote/startup_session.h"
#include "staged_program.h"
#include "store/customer_store.h"
#include "support/scripted_prompts.h"
#include "ui/backup_window.h"
#include "ui/customer_page.h"
#include "ui/main_actions.h"
#include "ui/main_maintenance.h"
#include "ui/tmainfm.h"
#include "ui/tsetupfm2.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

// Runs `steps` on the next modal window once it shows.
void onNextModal(std::function<void(QWidget&)> steps) {
    QTimer::singleShot(0, [steps = std::move(steps)] {
        QWidget* w = QApplication::activeModalWidget();
        ASSERT_NE(w, nullptr);
        steps(*w);
    });
}

QStringList items(const QListWidget* list) {
    QStringList names;
    for (int i = 0; i < list->count(); ++i) {
        names << list->item(i)->text();
    }
    return names;
}

QStringList choices(const QComboBox* box) {
    QStringList names;
    for (int i = 0; i < box->count(); ++i) {
        names << box->itemText(i);
    }
    return names;
}

void click(QWidget& window, const char* button) {
    QPushButton* b = window.findChild<QPushButton*>(QString::fromLatin1(button));
    ASSERT_NE(b, nullptr) << button;
    ASSERT_TRUE(b->isEnabled()) << button;
    b->click();
}

class DataMaintenance : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(main.FormCreate());
        main.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    }
    QComboBox* customerBox(const char* name) const {
        return main.customerPage()->findChild<QComboBox*>(QString::fromLatin1(name));
    }

    StagedProgram staged;
    StartupSession session{staged.path()};
    ScriptedPrompts prompts;
    QDate today{2024, 5, 15};
    Tmainfm main{session, prompts, [this] { return today; }};
};

} // namespace

TEST_F(DataMaintenance, TheListWindowOpensOnItsTabAndTheMainListsFollowWhenItCloses) {
    CustomerStore(session.store()).addName(NameList::Areas, QStringLiteral("翠湖"));
    Tsetupfm2& window = main.maintenance().nameListWindow();
    QListWidget* handlers = window.list(NameList::Handlers);

    prompts.answerText(QStringLiteral("李四"));
    prompts.answerText(QStringLiteral(" 王五 "));
    prompts.answerText(QStringLiteral("张三"));
    onNextModal([&](QWidget& w) {
        EXPECT_EQ(&w, &window);
        EXPECT_EQ(window.windowTitle(), "数据设置");
        EXPECT_EQ(window.tabs()->currentIndex(), 1);
        EXPECT_EQ(window.tabs()->tabText(0), "小区管理");
        EXPECT_EQ(window.tabs()->tabText(1), "经办人管理");
        EXPECT_EQ(items(window.list(NameList::Areas)), QStringList({"翠湖"}));
        EXPECT_FALSE(window.renameButton(NameList::Handlers)->isEnabled());
        EXPECT_FALSE(window.deleteButton(NameList::Handlers)->isEnabled());
        click(w, "workerAdd");
        click(w, "workerAdd");
        EXPECT_EQ(items(handlers), QStringList({"李四", "王五"}));
        // A double-click renames the entry clicked.
        QListWidgetItem* first = handlers->item(0);
        const QRect place = handlers->visualItemRect(first);
        QTest::mouseClick(handlers->viewport(), Qt::LeftButton, {}, place.center());
        EXPECT_TRUE(window.renameButton(NameList::Handlers)->isEnabled());
        QTest::mouseDClick(handlers->viewport(), Qt::LeftButton, {}, place.center());
        EXPECT_EQ(items(handlers), QStringList({"张三", "王五"}));
        EXPECT_EQ(handlers->currentRow(), 0);
        click(w, "okButton");
    });
    main.actions()["handlers"]->trigger();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(prompts.shown,
              QStringList({"input:输入|新经办人:", "input:输入|新经办人:", "input:输入|经办人:"}));
    EXPECT_EQ(session.handlerNames(), QStringList({"    ", "张三", "王五"}));
    // The customer form lists them in pinyin order.
    EXPECT_EQ(choices(customerBox("worker")).mid(1), QStringList({"王五", "张三"}));
    EXPECT_EQ(choices(customerBox("area")).mid(1), QStringList({"翠湖"}));

    // "小区管理" opens on the first tab; a failing statement ends with the engine's message.
    prompts.shown.clear();
    onNextModal([&](QWidget& w) {
        EXPECT_EQ(window.tabs()->currentIndex(), 0);
        session.store().exec(QStringLiteral("drop view user_view"));
        session.store().exec(QStringLiteral("drop table arealist"));
        window.list(NameList::Areas)->setCurrentRow(0);
        prompts.answerConfirm(true);
        click(w, "areaDelete");
        EXPECT_EQ(items(window.list(NameList::Areas)), QStringList({"翠湖"}));
        click(w, "okButton");
    });
    main.actions()["areas"]->trigger();
    ASSERT_EQ(prompts.messages().size(), 2) << qPrintable(prompts.shown.join('\n'));
    EXPECT_TRUE(prompts.messages()[0].contains("delete from arealist"));
    EXPECT_TRUE(prompts.messages()[1].contains("arealist")) << "and so does the reload";
}

TEST_F(DataMaintenance, BackupWritesTheDateOnlyWhenBothFilesWereCopied) {
    BackupWindow& window = main.maintenance().backupWindow();
    const QString typed = staged.home().file("外部/备份");
    onNextModal([&](QWidget& w) {
        EXPECT_EQ(&w, &window);
        EXPECT_EQ(window.folderField()->text(),
                  QDir::toNativeSeparators(staged.home().file("备份文件/2024_5_15/")));
        prompts.answerPath(staged.home().file("u盘"));
        click(w, "browseButton");
        EXPECT_EQ(window.folderField()->text(),
                  QDir::toNativeSeparators(staged.home().file("u盘/备份文件/2024_5_15/")));
        window.folderField()->setText(QStringLiteral("  ") + typed + QStringLiteral(" "));
        click(w, "backupButton");
    });
    main.actions()["backupDb"]->trigger();
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(QFile::exists(typed + "/Userdb.data"));
    EXPECT_TRUE(QFile::exists(typed + "/db.data"));
    EXPECT_EQ(session.setup().read(setup::backup), today);
    EXPECT_EQ(prompts.messages(), QStringList());

    // "取消" copies nothing.
    onNextModal([](QWidget& w) { click(w, "cancelButton"); });
    main.actions()["backupDb"]->trigger();
    EXPECT_FALSE(QDir(staged.home().file("备份文件/2024_5_15")).exists());

    // A missing library: the store is still copied, the date stays.
    session.library().close();
    ASSERT_TRUE(QFile::remove(staged.home().file("数据文件/db.data")));
    today = QDate(2024, 5, 20);
    onNextModal([](QWidget& w) { click(w, "backupButton"); });
    main.actions()["backupDb"]->trigger();
    EXPECT_TRUE(QFile::exists(staged.home().file("备份文件/2024_5_20/Userdb.data")));
    EXPECT_EQ(prompts.messages(),
              QStringList({"找不到文件:" +
                           QDir::toNativeSeparators(staged.home().file("数据文件/db.data"))}));
    EXPECT_EQ(session.setup().read(setup::backup), QDate(2024, 5, 15));
}

TEST_F(DataMaintenance, TheExitReminderRunsTheBackupWhoseDateEndsTheReminding) {
    prompts.answerConfirm(true);
    onNextModal([](QWidget& w) { click(w, "backupButton"); });
    EXPECT_TRUE(main.close());
    EXPECT_EQ(prompts.shown, QStringList({"confirm:请备份您的数据库"}));
    EXPECT_TRUE(QFile::exists(staged.home().file("备份文件/2024_5_15/db.data")));
    EXPECT_EQ(session.setup().read(setup::backup), today);
    main.show();
    prompts.shown.clear();
    EXPECT_TRUE(main.close());
    EXPECT_TRUE(prompts.shown.isEmpty()) << "the backup of the day ends the reminding";
}

TEST_F(DataMaintenance, CompactionAndEmptyingRunFromTheSettingsMenu) {
    Database& library = session.library();
    library.exec(QStringLiteral("insert into cailiao (id, cailiao, comp_id) values (1, '原', 0), "
                                "(100001, '自定义', 2)"));
    prompts.answerConfirm(false);
    main.actions()["compactDb"]->trigger();
    prompts.answerConfirm(true);
    main.actions()["compactDb"]->trigger();
    prompts.answerConfirm(true);
    main.actions()["redownload"]->trigger();
    EXPECT_EQ(prompts.messages(),
              QStringList({"建议您每月压缩一次.", "压缩数据库成功", "企业产品库已清空"}));
    EXPECT_EQ(library.scalar(QStringLiteral("select group_concat(id) from cailiao")).toString(),
              "100001");
    // Both connections are open again.
    EXPECT_GT(CustomerStore(session.store()).addName(NameList::Areas, QStringLiteral("新")), 0);
}
