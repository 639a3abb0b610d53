#pragma once

class ProfileFile;
class QString;
class QWidget;

// A window's size and position kept in the program's profile file ("setup.ini", section
// "window"), so that it opens again where the user left it.
namespace window_geometry {

// Gives the window the geometry kept under `key`; false, with the window unchanged, when
// none is kept or it cannot be used.
bool restore(QWidget& window, const ProfileFile& profile, const QString& key);
// Keeps the window's geometry under `key`.
void keep(const QWidget& window, ProfileFile& profile, const QString& key);

} // namespace window_geometry
