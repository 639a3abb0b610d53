#include "quote/dealer_details.h"
#include "quote/held_settings.h"
#include "quote/setup_file.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"
#include "ui/tsetupfm.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct SettingsWindow {
    TempFolder home;
    SetupFile setup{home.file("setup.ini")};
    HeldSettings held;
    ScriptedPrompts prompts;
    int pushes = 0;
    int statistics = 0;
    Tsetupfm window{{setup, held, prompts, {}, [this] { ++pushes; }, [this] { ++statistics; }}};

    template <class T> T* field(const char* name) { return window.findChild<T*>(name); }
    void click(const char* name) { field<QPushButton>(name)->click(); }
};

} // namespace

TEST(SettingsWindow, ReadsTheFileWhenCreatedAndPreviewsTheNumber) {
    SettingsWindow w;
    EXPECT_EQ(w.window.windowTitle(), "参数设置");
    EXPECT_EQ(w.pushes, 1);
    EXPECT_EQ(w.field<QLabel>("preview")->text(), "0000");
    w.field<QLineEdit>("prefix")->setText("HT");
    w.field<QSpinBox>("index")->setValue(12);
    EXPECT_EQ(w.field<QLabel>("preview")->text(), "HT0012");
    w.field<QSpinBox>("digits")->setValue(1);
    EXPECT_EQ(w.field<QLabel>("preview")->text(), "HT12");
    EXPECT_EQ(w.field<QSpinBox>("history")->singleStep(), 10);
    EXPECT_EQ(w.field<QSpinBox>("history")->maximum(), 50);
}

TEST(SettingsWindow, ApplyStoresAndShowsTheStatistics) {
    SettingsWindow w;
    w.field<QLineEdit>("prefix")->setText("NO");
    w.field<QSpinBox>("zk")->setValue(95);
    w.click("applyButton");
    EXPECT_EQ(w.setup.read(setup::proqianzui), "NO");
    EXPECT_EQ(w.setup.read(setup::zk), 95);
    EXPECT_EQ(w.statistics, 1);
    EXPECT_TRUE(w.held.discount.visible);
    EXPECT_EQ(w.held.numbering.prefix, "NO");
}

TEST(SettingsWindow, RefusedDiscountKeepsTheWindowAndItsValues) {
    SettingsWindow w;
    w.window.show();
    w.field<QSpinBox>("zk")->setValue(80);
    w.field<QSpinBox>("minzk")->setValue(90);
    w.click("okButton");
    EXPECT_EQ(w.prompts.messages(), QStringList({"折扣数据错误！"}));
    EXPECT_TRUE(w.window.isVisible());
    EXPECT_EQ(w.field<QSpinBox>("zk")->value(), 80);
    EXPECT_EQ(w.statistics, 0);
    EXPECT_FALSE(QFileInfo::exists(w.setup.path()));
}

TEST(SettingsWindow, ClosingReloadsTheStoredValues) {
    SettingsWindow w;
    w.window.show();
    const int before = w.pushes;
    w.field<QLineEdit>("prefix")->setText("unsaved");
    w.click("cancelButton");
    EXPECT_FALSE(w.window.isVisible());
    EXPECT_EQ(w.field<QLineEdit>("prefix")->text(), "");
    EXPECT_GT(w.pushes, before);
    EXPECT_FALSE(QFileInfo::exists(w.setup.path()));
}

TEST(SettingsWindow, MinimumMaterialStaysWithinFiveToHundred) {
    SettingsWindow w;
    auto* box = w.field<QSpinBox>("minnumber");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->value(), 5) << "the stored default 1 acts as 5";
    box->selectAll();
    QTest::keyClicks(box, "1");
    w.click("applyButton");
    EXPECT_EQ(w.setup.read(setup::minnumber), "5");
    box->setValue(101);
    w.click("applyButton");
    EXPECT_EQ(w.setup.read(setup::minnumber), "100");
    EXPECT_EQ(w.held.project.minCoverage, 100);
}

TEST(SettingsWindow, TheDealerTabKeepsThePageTextsInTheirOwnSection) {
    SettingsWindow w;
    EXPECT_EQ(w.field<QLineEdit>("dealerHeading")->text(), "") << "empty until entered";
    w.field<QLineEdit>("dealerHeading")->setText(" 砚舟吊顶 ");
    w.field<QLineEdit>("dealerPhone2")->setText("138");
    w.click("applyButton");
    EXPECT_EQ(w.setup.profile().readString("dealer", "heading"), "砚舟吊顶");
    const DealerDetails stored = readDealerDetails(w.setup);
    EXPECT_EQ(stored, (DealerDetails{"砚舟吊顶", "", "", "", "138", ""}));
    SettingsWindow again;
    again.setup.write(setup::dealerRemark, "有效期30天");
    again.window.readinifile();
    EXPECT_EQ(again.field<QLineEdit>("dealerRemark")->text(), "有效期30天");
}

TEST(SettingsWindow, TheStoreTabChoosesAServerTestsItAndKeepsTheChoice) {
    SettingsWindow w;
    auto* server = w.field<QRadioButton>("storeServer");
    ASSERT_TRUE(w.field<QRadioButton>("storeLocal")->isChecked());
    EXPECT_FALSE(w.field<QLineEdit>("storeHost")->isEnabled());
    server->setChecked(true);
    EXPECT_TRUE(w.field<QLineEdit>("storeHost")->isEnabled());
    w.field<QLineEdit>("storeHost")->setText(w.home.file("no-server"));
    w.field<QSpinBox>("storePort")->setValue(6543);
    w.field<QLineEdit>("storeDatabase")->setText("dealer");
    w.field<QLineEdit>("storeUser")->setText("seat1");
    w.click("testConnection");
    ASSERT_EQ(w.prompts.messages().size(), 1);
    EXPECT_TRUE(w.prompts.messages().first().startsWith("连接失败:"));

    w.click("applyButton");
    EXPECT_TRUE(w.setup.read(setup::storeServer));
    EXPECT_EQ(w.setup.read(setup::storePort), 6543);
    w.field<QRadioButton>("storeLocal")->setChecked(true);
    w.click("cancelButton");
    EXPECT_TRUE(server->isChecked()) << "closing shows the stored choice again";
    EXPECT_EQ(w.field<QLineEdit>("storeUser")->text(), "seat1");
}
