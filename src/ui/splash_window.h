#pragma once

#include <QSplashScreen>

// The splash window: the company picture "about_sign.data" (a Windows bitmap) at its
// own size when present, else the program's own title picture.
class SplashWindow : public QSplashScreen {
public:
    explicit SplashWindow(const QString& programFolder);

    // The picture shown (for tests and for sizing).
    static QPixmap picture(const QString& programFolder);
};
