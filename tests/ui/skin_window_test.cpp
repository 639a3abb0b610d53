#include "platform/profile_file.h"
#include "support/temp_folder.h"
#include "ui/tskinfm.h"

#include <QApplication>
#include <QListWidget>
#include <gtest/gtest.h>

namespace {

struct Skins {
    TempFolder home;
    Skins() {
        home.write("skins/b.qss", "QWidget { color: #123456; }");
        home.write("skins/a.qss", "QWidget { color: #abcdef; }");
        home.write("skins/notes.txt", "not a skin");
    }
    ~Skins() { qApp->setStyleSheet(QString()); }
    ProfileFile ini() const { return ProfileFile(home.file("ini.ini")); }
};

} // namespace

TEST(SkinWindow, ListsTheStyleSheetsAndActivatesTheStoredChoice) {
    Skins s;
    s.home.write("ini.ini", "[setup]\r\nskin=2\r\n");
    Tskinfm window(s.home.path());
    auto* list = window.findChild<QListWidget*>("sListBox1");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), "a");
    EXPECT_EQ(window.activePosition(), 2);
    EXPECT_TRUE(qApp->styleSheet().contains("#123456"));
}

TEST(SkinWindow, AnOutOfRangeChoicePicksTheFirstAndUseSkinOffKeepsItOff) {
    Skins s;
    s.home.write("ini.ini", "[setup]\r\nskin=9\r\nuseskin=0\r\n");
    Tskinfm window(s.home.path());
    EXPECT_EQ(window.activePosition(), 0);
    EXPECT_TRUE(qApp->styleSheet().isEmpty());
    EXPECT_EQ(window.findChild<QListWidget*>("sListBox1")->currentRow(), 0);
}

TEST(SkinWindow, ChoosingRemembersAndSwitchingOffDoesNot) {
    Skins s;
    Tskinfm window(s.home.path());
    EXPECT_EQ(window.activePosition(), 1) << "no stored choice: the first skin, on";
    window.findChild<QListWidget*>("sListBox1")->setCurrentRow(1);
    window.sListBox1DblClick();
    EXPECT_EQ(window.activePosition(), 2);
    EXPECT_EQ(s.ini().readInteger("setup", "skin", 0), 2);
    EXPECT_TRUE(s.ini().readBool("setup", "useskin", false));

    window.sButton3Click();
    EXPECT_EQ(window.activePosition(), 0);
    EXPECT_TRUE(qApp->styleSheet().isEmpty());
    EXPECT_TRUE(s.ini().readBool("setup", "useskin", false)) << "off for this run only";
}
