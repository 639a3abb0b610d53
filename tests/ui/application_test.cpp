#include "platform/chinese_fonts.h"
#include "platform/database.h"
#include "ui/localisation.h"
#include "ui/yz_application.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontInfo>
#include <QPushButton>
#include <gtest/gtest.h>

TEST(Application, EngineErrorsAreShownWithTheEngineMessage) {
    QStringList shown;
    const auto show = [&](const QString& m) { shown << m; };
    EXPECT_FALSE(
        deliverShowingErrors([]() -> bool { throw DatabaseError("no such table: pic"); }, show));
    EXPECT_FALSE(deliverShowingErrors([]() -> bool { throw std::runtime_error("bad"); }, show));
    EXPECT_TRUE(deliverShowingErrors([] { return true; }, show));
    EXPECT_EQ(shown, QStringList({"no such table: pic", "bad"}));
}

TEST(Application, StandardButtonsSpeakChinese) {
    ASSERT_TRUE(installChineseTranslations(*qApp));
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text(), "取消");
}

TEST(Application, SongtiResolvesToTheChineseFamily) {
    useChineseFonts();
    EXPECT_EQ(QFontInfo(QFont("宋体")).family(), "WenQuanYi Micro Hei");
    EXPECT_EQ(QFontInfo(QApplication::font()).family(), "WenQuanYi Micro Hei");
}
