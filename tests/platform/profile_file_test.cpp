#include "platform/gbk.h"
#include "platform/profile_file.h"
#include "support/temp_folder.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

} // namespace

TEST(ProfileFile, MissingFileSectionOrKeyGivesTheDefault) {
    TempFolder home;
    ProfileFile ini(home.file("setup.ini"));
    EXPECT_EQ(ini.readInteger("setup", "gw", 300), 300);
    EXPECT_TRUE(ini.readBool("setup", "product1", true));
    EXPECT_EQ(ini.readString("Reg", "url", "d"), "d");
    EXPECT_FALSE(QFileInfo::exists(ini.path())) << "reading must not create the file";

    home.write("setup.ini", "[setup]\r\ngw=450\r\n");
    EXPECT_EQ(ini.readInteger("setup", "gh", 300), 300);
    EXPECT_EQ(ini.readInteger("other", "gw", 7), 7);
    EXPECT_EQ(ini.readInteger("setup", "gw", 300), 450);
}

TEST(ProfileFile, SectionAndKeyNamesIgnoreCase) {
    TempFolder home;
    ProfileFile ini(home.file("setup.ini"));
    ASSERT_TRUE(ini.writeInteger("PRO", "INDEXLEN", 6));
    EXPECT_EQ(ini.readInteger("PRO", "INDEXlen", 4), 6);
    ini.writeString("reg", "jxlong", "1.5");
    ini.writeString("Reg", "compid", "3");
    EXPECT_EQ(ini.readString("REG", "JXLONG"), "1.5");
    EXPECT_EQ(ini.readInteger("reg", "compid", 0), 3);
    // One section, not two.
    EXPECT_EQ(readAll(ini.path()).count("[reg]") + readAll(ini.path()).count("[Reg]"), 1);
    // Rewriting a key with another spelling replaces it instead of adding a second line.
    ini.writeInteger("pro", "indexlen", 2);
    EXPECT_EQ(ini.readInteger("PRO", "INDEXLEN", 4), 2);
    EXPECT_EQ(ini.readKeys("PRO").size(), 1);
}

TEST(ProfileFile, IntegersAndBooleans) {
    TempFolder home;
    home.write("setup.ini", "[setup]\ngw=abc\ngh= 250 \nhistory=12x\nproduct1=0\n"
                            "product2=7\nproduct3=no\nempty=\n");
    ProfileFile ini(home.file("setup.ini"));
    EXPECT_EQ(ini.readInteger("setup", "gw", 300), 300);
    EXPECT_EQ(ini.readInteger("setup", "gh", 300), 250);
    EXPECT_EQ(ini.readInteger("setup", "history", 20), 20);
    EXPECT_FALSE(ini.readBool("setup", "product1", true));
    EXPECT_TRUE(ini.readBool("setup", "product2", false));
    EXPECT_TRUE(ini.readBool("setup", "product3", true)) << "unparsable gives the default";
    EXPECT_EQ(ini.readString("setup", "empty", "d"), "") << "a present empty value is empty";
    ini.writeBool("setup", "run_IE", true);
    ini.writeBool("setup", "autocreateroom", false);
    EXPECT_EQ(ini.readString("setup", "run_IE"), "1");
    EXPECT_EQ(ini.readString("setup", "autocreateroom"), "0");
}

TEST(ProfileFile, WriteKeepsEveryOtherLineAndIsGbk) {
    TempFolder home;
    home.write("setup.ini", "; remark\r\n[setup]\r\ngw=300\r\n\r\n[search]\r\n1=abc\r\n");
    ProfileFile ini(home.file("setup.ini"));
    ASSERT_TRUE(ini.writeString("setup", "gh", "600"));
    ASSERT_TRUE(ini.writeString("search", "2", "灯"));
    EXPECT_EQ(readAll(ini.path()), QByteArray("; remark\r\n[setup]\r\ngw=300\r\ngh=600\r\n\r\n"
                                              "[search]\r\n1=abc\r\n2=\xB5\xC6\r\n"));
    EXPECT_EQ(ini.readString("search", "2"), "灯");
    ASSERT_TRUE(ini.writeString("PRO", "proqianzui", "砚舟"));
    EXPECT_EQ(ini.readString("pro", "PROQIANZUI"), "砚舟");
}

TEST(ProfileFile, FailedWriteLeavesTheOldFile) {
    TempFolder home;
    home.write("setup.ini", "[setup]\r\ngw=300\r\n");
    ProfileFile ini(home.file("setup.ini"));
    QFile::setPermissions(home.path(), QFile::ReadOwner | QFile::ExeOwner);
    const bool written = ini.writeString("setup", "gw", "600");
    QFile::setPermissions(home.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (written) {
        GTEST_SKIP() << "running with permission to write into read-only folders";
    }
    EXPECT_EQ(readAll(ini.path()), QByteArray("[setup]\r\ngw=300\r\n"));
}
