#include "quote/held_settings.h"
#include "quote/project_number.h"
#include "quote/setup_file.h"
#include "quote/setup_form.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

#include <QFileInfo>
#include <gtest/gtest.h>

TEST(ProjectNumber, PadsToTheDigitCountWithoutCutting) {
    EXPECT_EQ(projectNumber("HT", 12, 4), "HT0012");
    EXPECT_EQ(projectNumber("  HT ", 12, 4), "HT0012");
    EXPECT_EQ(projectNumber("", 7, 4), "0007");
    EXPECT_EQ(projectNumber("A", 123456, 4), "A123456");
    EXPECT_EQ(projectNumber("A", 5, 1), "A5");
}

TEST(SetupForm, ReadingPushesTheSecondGroupIntoTheMainWindow) {
    TempFolder home;
    home.write("setup.ini",
               "[PRO]\r\nproqianzui= HT \r\nINDEX=12\r\nINDEXlen=4\r\nzk=95\r\nminzk=85\r\n"
               "[reg]\r\njxlong=1.5\r\njxlongprice=2\r\njxdiao=3\r\njxsjlong=4\r\njxjie=5\r\n"
               "jxsjlongprice=6\r\njxinstallprice=7\r\nshoubian_price=8.5\r\nminnumber=12.7\r\n"
               "autosb=1\r\n[setup]\r\nproduct3=0\r\nGlen=60\r\ngw=400\r\nroomstyle=2\r\n");
    SetupFile setup(home.file("setup.ini"));
    HeldSettings held;
    const SetupFormValues v = readinifile(setup, held);

    EXPECT_EQ(v.preview(), "HT0012");
    EXPECT_EQ(held.numbering.prefix, "HT");
    EXPECT_EQ(held.numbering.index, 12);
    EXPECT_EQ(held.discount.minimum, 85);
    EXPECT_EQ(held.discount.value, 95);
    EXPECT_TRUE(held.discount.visible);
    // The three oddly named keys: triangle keel length, triangle keel price, hangers.
    EXPECT_EQ(v.triangleKeelLength, "3");
    EXPECT_EQ(v.triangleKeelPrice, "4");
    EXPECT_EQ(v.hangers, "6");
    const AccessoryParameters& a = held.project.accessories;
    EXPECT_DOUBLE_EQ(a.keelLength, 1.5);
    EXPECT_DOUBLE_EQ(a.keelPrice, 2);
    EXPECT_DOUBLE_EQ(a.triangleKeelLength, 3);
    EXPECT_DOUBLE_EQ(a.triangleKeelPrice, 4);
    EXPECT_DOUBLE_EQ(a.connectors, 5);
    EXPECT_DOUBLE_EQ(a.hangers, 6);
    EXPECT_DOUBLE_EQ(a.installationFee, 7);
    EXPECT_DOUBLE_EQ(a.edgeTrimPrice, 8.5);
    EXPECT_EQ(held.project.minCoverage, 12);
    EXPECT_TRUE(held.project.autoEdgeTrim);
    EXPECT_EQ(held.project.discount, 95);
    EXPECT_FALSE(held.products.discontinued);
    EXPECT_EQ(held.glen, 60);
    EXPECT_EQ(held.newRoom.cellWidth, 400);
    EXPECT_EQ(held.newRoom.roomStyle, 2);
}

TEST(SetupForm, ReadingClampsToTheFieldLimitsAndKeepsAnUnknownRoomMode) {
    TempFolder home;
    home.write("setup.ini", "[PRO]\r\nINDEXlen=9\r\nzk=100\r\n[setup]\r\nhistory=500\r\n"
                            "Glen=1\r\nroomstyle=7\r\n");
    SetupFile setup(home.file("setup.ini"));
    HeldSettings held;
    held.newRoom.roomStyle = 1;
    const SetupFormValues v = readinifile(setup, held);
    EXPECT_EQ(v.digits, 6);
    EXPECT_EQ(v.history, 50);
    EXPECT_EQ(held.glen, 5);
    EXPECT_EQ(held.newRoom.roomStyle, 1);
    EXPECT_FALSE(held.discount.visible) << "a default discount of 100 hides the field";
}

TEST(SetupForm, DiscountBelowTheLowestIsRefusedAndNothingIsWritten) {
    TempFolder home;
    SetupFile setup(home.file("setup.ini"));
    HeldSettings held;
    SetupFormValues v;
    v.zk = 80;
    v.minzk = 90;
    v.prefix = "HT";
    ScriptedPrompts prompts;
    bool roomsTouched = false;
    SettingsSaveHooks hooks;
    hooks.applyToRooms = [&](int, int) { roomsTouched = true; };

    EXPECT_FALSE(Savetoinifile(v, setup, held, prompts, hooks));
    EXPECT_EQ(prompts.messages(), QStringList({"折扣数据错误！"}));
    EXPECT_FALSE(QFileInfo::exists(setup.path()));
    EXPECT_FALSE(roomsTouched);
    EXPECT_EQ(held.numbering.prefix, "");
}

TEST(SetupForm, SavingWritesEveryValueAndAppliesIt) {
    TempFolder home;
    SetupFile setup(home.file("setup.ini"));
    HeldSettings held;
    SetupFormValues v;
    v.prefix = " NO ";
    v.index = 41;
    v.digits = 5;
    v.zk = 95;
    v.minzk = 90;
    v.keelLength = " 1.25 ";
    v.keelPrice = "2";
    v.triangleKeelLength = "3";
    v.triangleKeelPrice = "4";
    v.connectors = "5";
    v.hangers = "6";
    v.installationFee = "7";
    v.edgeTrimPrice = "8";
    v.minnumber = "33";
    v.autosb = true;
    v.history = 45;
    v.product2 = false;
    v.runIE = false;
    ScriptedPrompts prompts;
    int appliedHistory = 0;
    int appliedCoverage = 0;
    bool edgeTrimReady = false;
    SettingsSaveHooks hooks;
    hooks.applyToRooms = [&](int h, int c) {
        appliedHistory = h;
        appliedCoverage = c;
    };
    hooks.markEdgeTrimReady = [&] { edgeTrimReady = true; };

    ASSERT_TRUE(Savetoinifile(v, setup, held, prompts, hooks));
    EXPECT_TRUE(prompts.shown.isEmpty());
    EXPECT_EQ(setup.read(setup::proqianzui), "NO");
    EXPECT_EQ(setup.profile().readString("PRO", "INDEXLEN"), "5");
    EXPECT_EQ(setup.read(setup::index), 41);
    EXPECT_EQ(setup.read(setup::jxlong), "1.25");
    EXPECT_EQ(setup.read(setup::jxdiao), "3");
    EXPECT_EQ(setup.read(setup::jxsjlong), "4");
    EXPECT_EQ(setup.read(setup::jxsjlongprice), "6");
    EXPECT_EQ(setup.read(setup::minnumber), "33");
    EXPECT_TRUE(setup.read(setup::autosb));
    EXPECT_EQ(setup.read(setup::history), 45);
    EXPECT_FALSE(setup.read(setup::product2));
    EXPECT_FALSE(setup.read(setup::runIE));

    EXPECT_EQ(held.numbering.prefix, "NO");
    EXPECT_EQ(held.numbering.digits, 5);
    EXPECT_EQ(held.discount.value, 95);
    EXPECT_EQ(held.project.minCoverage, 33);
    EXPECT_TRUE(held.project.autoEdgeTrim);
    EXPECT_FALSE(held.products.outOfStock);
    EXPECT_EQ(held.history, 45);
    EXPECT_EQ(appliedHistory, 45);
    EXPECT_EQ(appliedCoverage, 33);
    EXPECT_TRUE(edgeTrimReady);
    // Accessory values reach the project only when the window reads the file again.
    EXPECT_DOUBLE_EQ(held.project.accessories.keelLength, 0);

    HeldSettings reread;
    const SetupFormValues back = readinifile(setup, reread);
    EXPECT_EQ(back.preview(), "NO00041");
    EXPECT_DOUBLE_EQ(reread.project.accessories.keelLength, 1.25);
}

TEST(SetupForm, SavingIntoAnUnwritableFolderIsReported) {
    TempFolder home;
    SetupFile setup(home.file("missing-folder/setup.ini"));
    HeldSettings held;
    ScriptedPrompts prompts;
    EXPECT_FALSE(Savetoinifile(SetupFormValues{}, setup, held, prompts));
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_TRUE(prompts.messages()[0].startsWith("无法写入设置文件"));
}
