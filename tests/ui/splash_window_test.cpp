#include "platform/picture.h"
#include "support/temp_folder.h"
#include "ui/splash_window.h"

#include <QImage>
#include <gtest/gtest.h>

TEST(SplashWindow, ShowsTheCompanyPictureAtItsOwnSize) {
    TempFolder home;
    QImage logo(321, 123, QImage::Format_RGB32);
    logo.fill(Qt::darkGreen);
    home.write("about_sign.data", picture::writeBmp(logo));
    const QPixmap shown = SplashWindow::picture(home.path());
    EXPECT_EQ(shown.size(), QSize(321, 123));
    EXPECT_EQ(shown.toImage().pixel(10, 10), QColor(Qt::darkGreen).rgb());
}

TEST(SplashWindow, WithoutAReadablePictureShowsItsOwn) {
    TempFolder home;
    const QSize own = SplashWindow::picture(home.path()).size();
    EXPECT_FALSE(own.isEmpty());
    home.write("about_sign.data", "not a bitmap");
    EXPECT_EQ(SplashWindow::picture(home.path()).size(), own);
}
