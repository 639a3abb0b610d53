#include "quote/dealer_logo.h"
#include "quote/held_settings.h"
#include "quote/setup_file.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"
#include "ui/tsetupfm.h"

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

// The dealer picks a logo on "经销商信息": it is copied into the program folder, where
// the pages take it from, and shown on the tab at once.
TEST(DealerLogoTab, AChosenPictureBecomesTheProgramFoldersLogo) {
    TempFolder home;
    SetupFile setup{home.file("setup.ini")};
    HeldSettings held;
    ScriptedPrompts prompts;
    Tsetupfm window{{setup, held, prompts, {}, {}, {}}};
    auto* shown = window.findChild<QLabel*>(QStringLiteral("dealerLogo"));
    auto* choose = window.findChild<QPushButton*>(QStringLiteral("chooseLogo"));
    ASSERT_TRUE(shown && choose);
    EXPECT_EQ(shown->text(), QStringLiteral("无标志"));

    QImage picture(120, 120, QImage::Format_RGB32);
    picture.fill(Qt::darkRed);
    ASSERT_TRUE(picture.save(home.file("标志.jpg"), "JPEG"));
    prompts.answerCancel();
    choose->click();
    EXPECT_FALSE(QFile::exists(dealer_logo::dealerFile(home.path())));

    prompts.answerPath(home.file("标志.jpg"));
    choose->click();
    const QImage logo = dealer_logo::picture(home.path());
    ASSERT_EQ(logo.size(), QSize(172, 60));
    // Fitted with its proportions: a square keeps white on both sides.
    EXPECT_EQ(logo.pixelColor(5, 30), QColor(Qt::white));
    EXPECT_LT(logo.pixelColor(86, 30).green(), 40);
    EXPECT_FALSE(shown->pixmap().isNull());
    EXPECT_TRUE(prompts.messages().isEmpty());
}
