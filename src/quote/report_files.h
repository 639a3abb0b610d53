#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

class Prompts;

// Where the pages, pictures and the statistics file go and how they are written.
namespace report_files {

// File names; user texts in them are made safe.
QString roomPictureName(const QString& customerName, int roomIndex, const QString& roomTitle);
QString currentRoomPageName(int roomIndex, const QString& roomTitle);
QString drawingsPageName(const QString& customerName);
QString statisticsPageName(const QString& customerName);

// The size a room picture is shown at: its own, or scaled by 0.9, 0.8, ... until it fits
// 700 × 600.
QSize shownPictureSize(QSize pixels);

// Writes `bytes` under a temporary name and gives it its real name only when complete, so
// a failed write never leaves half a file. False, after telling the user, on failure.
bool writeWhole(const QString& path, const QByteArray& bytes, Prompts& prompts);
// The same on any thread: what to tell the user on failure, empty on success.
QString writeWholeOrProblem(const QString& path, const QByteArray& bytes);

// Creates `folder` with its missing parents; false, after telling the user, on failure.
bool makeFolder(const QString& folder, Prompts& prompts);

// The logo's name beside the pages.
inline const QString LogoName = QStringLiteral("mivra.bmp");

// Creates `folder` with its missing parents and copies the logo of the program folder
// (the dealer's or the delivered one, see dealer_logo) into it as "mivra.bmp", or removes
// that file when there is no logo. False, after telling the user, on failure.
bool prepareFolder(const QString& folder, const QString& programFolder, Prompts& prompts);

// Whether the folder holds a logo a page can show.
bool hasLogo(const QString& folder);

} // namespace report_files
