#pragma once

class QCoreApplication;

// Qt's own Chinese translations, so that standard buttons and file dialogs speak the
// program's language. Returns false when the translation file is not installed.
bool installChineseTranslations(QCoreApplication& app);

// Chinese text in a Chinese font: the application font and every font asked for as
// "宋体" resolve to an installed CJK family with Simplified Chinese glyph forms.
void useChineseFonts();
