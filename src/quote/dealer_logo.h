#pragma once

#include <QImage>
#include <QString>

class Prompts;

// The logo at the top of the printed pages: the dealer's own "sign.data" in the program
// folder, else the neutral logo delivered as "数据文件/sign.bmp", else none.
namespace dealer_logo {

// The size the pages show the logo at.
inline constexpr int Width = 172;
inline constexpr int Height = 60;

QString dealerFile(const QString& programFolder);
QString deliveredFile(const QString& programFolder);
// The file the pages copy as their logo; empty when there is none.
QString source(const QString& programFolder);
// The logo as the pages show it; null when there is none or it cannot be read.
QImage picture(const QString& programFolder);

// Makes the picture at `path` (BMP, JPEG, PNG) the dealer's logo: fitted into 172 × 60 on
// white and written into the program folder as "sign.data". False, after telling the user,
// when it cannot be read or written.
bool choose(const QString& path, const QString& programFolder, Prompts& prompts);

} // namespace dealer_logo
