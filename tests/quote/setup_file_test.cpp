#include "platform/gbk.h"
#include "quote/held_settings.h"
#include "quote/setup_file.h"
#include "support/temp_folder.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

SetupFile setupIn(const TempFolder& home) {
    return SetupFile(home.file("setup.ini"));
}

} // namespace

TEST(SetupFile, MissingFileGivesEveryDefault) {
    TempFolder home;
    const SetupFile setup = setupIn(home);
    EXPECT_TRUE(setup.read(setup::product1));
    EXPECT_TRUE(setup.read(setup::product2));
    EXPECT_TRUE(setup.read(setup::product3));
    EXPECT_TRUE(setup.read(setup::runIE));
    EXPECT_TRUE(setup.read(setup::autoCreateRoom));
    EXPECT_EQ(setup.read(setup::gw), 300);
    EXPECT_EQ(setup.read(setup::gh), 300);
    EXPECT_EQ(setup.read(setup::roomw), 300);
    EXPECT_EQ(setup.read(setup::roomh), 300);
    EXPECT_EQ(setup.read(setup::roomstyle), 0);
    EXPECT_EQ(setup.read(setup::history), 20);
    EXPECT_EQ(setup.read(setup::glen), 100);
    EXPECT_FALSE(setup.read(setup::backup).has_value());
    EXPECT_EQ(setup.read(setup::v5dbpath), "");
    EXPECT_EQ(setup.read(setup::proqianzui), "");
    EXPECT_EQ(setup.read(setup::index), 0);
    EXPECT_EQ(setup.read(setup::indexLen), 4);
    EXPECT_EQ(setup.read(setup::zk), 100);
    EXPECT_EQ(setup.read(setup::minzk), 90);
    for (const auto* key :
         {&setup::jxlong, &setup::jxlongprice, &setup::jxdiao, &setup::jxsjlong, &setup::jxjie,
          &setup::jxsjlongprice, &setup::jxinstallprice, &setup::shoubianPrice}) {
        EXPECT_EQ(setup.read(*key), "0") << key->key;
    }
    EXPECT_EQ(setup.read(setup::minnumber), "1");
    EXPECT_FALSE(setup.read(setup::autosb));
    EXPECT_EQ(setup.read(setup::compid), 0);
    EXPECT_EQ(setup.read(setup::trueComp), 0);
    EXPECT_EQ(setup.read(setup::compstyle), 0);
    EXPECT_EQ(setup.read(setup::url), "https://www.yanzhou-diaoding.cn");
    EXPECT_EQ(setup.read(setup::maxc), 100000);
    EXPECT_EQ(setup.read(setup::maxx), 100000);
    EXPECT_EQ(setup.read(setup::maxp), 100000);
    EXPECT_TRUE(setup.readSearchHistory().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(setup.path()));
}

TEST(SetupFile, ValuesRoundTripThroughTheFile) {
    TempFolder home;
    SetupFile setup = setupIn(home);
    ASSERT_TRUE(setup.write(setup::autoCreateRoom, false));
    ASSERT_TRUE(setup.write(setup::gw, 450));
    ASSERT_TRUE(setup.write(setup::proqianzui, QStringLiteral("砚舟")));
    ASSERT_TRUE(setup.write(setup::backup, QDate(2024, 3, 10)));
    ASSERT_TRUE(setup.write(setup::compid, 17));

    const SetupFile again = setupIn(home);
    EXPECT_FALSE(again.read(setup::autoCreateRoom));
    EXPECT_EQ(again.read(setup::gw), 450);
    EXPECT_EQ(again.read(setup::proqianzui), QStringLiteral("砚舟"));
    EXPECT_EQ(again.read(setup::backup), QDate(2024, 3, 10));
    EXPECT_EQ(again.read(setup::compid), 17);
}

TEST(SetupFile, OddlyNamedAndDifferentlySpeltKeysMeetInOneEntry) {
    TempFolder home;
    home.write("setup.ini", "[Reg]\r\ncompid=5\r\njxdiao=2.5\r\n[PRO]\r\nINDEXLEN=6\r\n");
    SetupFile setup = setupIn(home);
    EXPECT_EQ(setup.read(setup::compid), 5);
    EXPECT_EQ(setup.read(setup::jxdiao), "2.5");
    EXPECT_EQ(setup.read(setup::indexLen), 6);
    ASSERT_TRUE(setup.write(setup::indexLenWritten, 3));
    EXPECT_EQ(setup.read(setup::indexLen), 3);
    ASSERT_TRUE(setup.write(setup::url, QStringLiteral("https://example.cn")));
    EXPECT_EQ(setup.profile().readString("reg", "URL"), "https://example.cn");
    EXPECT_EQ(setup.profile().readKeys("REG"), QStringList({"compid", "jxdiao", "url"}));
}

TEST(SetupFile, UnreadableValuesGiveTheDefault) {
    TempFolder home;
    home.write("setup.ini", "[setup]\r\ngw=wide\r\nproduct1=2\r\nbackup=not a date\r\n");
    const SetupFile setup = setupIn(home);
    EXPECT_EQ(setup.read(setup::gw), 300);
    EXPECT_TRUE(setup.read(setup::product1)) << "any non-zero integer is true";
    EXPECT_FALSE(setup.read(setup::backup).has_value());
}

TEST(SearchHistory, ReadsTrimmedNonEmptyEntriesInKeyOrder) {
    TempFolder home;
    home.write("setup.ini", gbk::encode("[search]\r\n3=  扣板 \r\n1=铝扣\r\n2=   \r\n10=灯\r\n"
                                        "11=beyond ten\r\n"));
    EXPECT_EQ(setupIn(home).readSearchHistory(), QStringList({"铝扣", "扣板", "灯"}));
}

TEST(SearchHistory, WriteBackUsesOneKeyPerEntryAndKeepsTheRest) {
    TempFolder home;
    home.write("setup.ini", "[search]\r\n1=a\r\n2=b\r\n3=c\r\n4=d\r\n");
    SetupFile setup = setupIn(home);
    ASSERT_TRUE(setup.writeSearchHistory({" 新 ", "second"}));
    EXPECT_EQ(setup.profile().readString("search", "1"), "新");
    EXPECT_EQ(setup.profile().readString("search", "2"), "second");
    EXPECT_EQ(setup.profile().readString("search", "3"), "c");
    EXPECT_EQ(setup.readSearchHistory(), QStringList({"新", "second", "c", "d"}));
}

TEST(HeldSettings, StartGroupComesFromTheFile) {
    TempFolder home;
    home.write("setup.ini", "[setup]\r\nproduct2=0\r\nrun_IE=0\r\ngw=600\r\ngh=150\r\n"
                            "autocreateroom=0\r\nhistory=30\r\n[search]\r\n1=x\r\n"
                            "[reg]\r\ncompid=4\r\ntrue_comp=9\r\ncompstyle=3\r\n");
    HeldSettings held;
    held.readStartGroup(setupIn(home));
    EXPECT_TRUE(held.products.normal);
    EXPECT_FALSE(held.products.outOfStock);
    EXPECT_TRUE(held.products.discontinued);
    EXPECT_FALSE(held.runIE);
    EXPECT_FALSE(held.autoCreateRoom);
    EXPECT_EQ(held.gw, 600);
    EXPECT_EQ(held.gh, 150);
    EXPECT_EQ(held.history, 30);
    EXPECT_EQ(held.searchHistory, QStringList({"x"}));
    EXPECT_EQ(held.company.compid, 4);
    EXPECT_EQ(held.company.trueComp, 9);
    EXPECT_EQ(held.company.compstyle, 3);
    EXPECT_EQ(held.company.url, "https://www.yanzhou-diaoding.cn");
}

TEST(HeldSettings, MinimumCoverageIsTheWholePartAndAtLeastFive) {
    EXPECT_EQ(minCoverageFromText("12.9"), 12);
    EXPECT_EQ(minCoverageFromText(" 40 "), 40);
    EXPECT_EQ(minCoverageFromText("1"), 5);
    EXPECT_EQ(minCoverageFromText("abc"), 5);
    EXPECT_EQ(minCoverageFromText("250"), 100);
}
