#pragma once

#include <QString>

// The application title (task bar) and the main window's caption: the title, " V" and
// the program's four version numbers joined by ".".
QString applicationTitle();
QString programVersion();
QString mainWindowCaption();
