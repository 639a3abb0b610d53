#include "quote/setup_file.h"
#include "support/scripted_prompts.h"
#include "support/silent_server.h"
#include "support/temp_folder.h"
#include "ui/store_tab.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

// "测试连接" shows the busy pointer while it logs in, then tells in Chinese why it failed.
TEST(StoreTab, TestingTheConnectionShowsTheBusyPointerThenTheCauseInChinese) {
    TempFolder home;
    SetupFile setup(home.file("setup.ini"));
    ScriptedPrompts prompts;
    StoreTab tab(setup, prompts);
    tab.load();
    const auto field = [&tab](const char* name) { return tab.findChild<QLineEdit*>(name); };
    tab.findChild<QRadioButton*>("storeServer")->setChecked(true);
    SilentServer silent;
    ASSERT_GT(silent.port(), 0);
    field("storeHost")->setText("127.0.0.1");
    tab.findChild<QSpinBox*>("storePort")->setValue(silent.port());
    field("storeDatabase")->setText("dealer");
    field("storeUser")->setText("seat");
    field("storePassword")->setText("secret");

    // The login waits for the silent server; once the pointer is busy, the server goes
    // away and the login fails at once.
    std::atomic<bool> busy{false};
    std::atomic<bool> clicked{false};
    std::thread watching([&] {
        for (int i = 0; i < 15000 && !busy && !clicked; ++i) {
            const QCursor* cursor = QGuiApplication::overrideCursor();
            busy = cursor && cursor->shape() == Qt::WaitCursor;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        silent.close();
    });
    tab.findChild<QPushButton*>("testConnection")->click();
    clicked = true;
    watching.join();
    EXPECT_TRUE(busy);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "the pointer is back";
    ASSERT_EQ(prompts.messages().size(), 1);
    const QString shown = prompts.messages().first();
    EXPECT_TRUE(shown.startsWith("连接失败:与服务器的连接已断开") ||
                shown.startsWith("连接失败:服务器拒绝连接"))
        << shown.toStdString();
    EXPECT_TRUE(shown.contains("\n(")) << "the driver's text as detail";
}
