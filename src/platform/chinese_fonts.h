#pragma once

// Chinese text in a Chinese font: the application font and every font asked for as
// "宋体" resolve to an installed CJK family with Simplified Chinese glyph forms. Needs
// the application object; the windows and the pictures drawn without them both use it.
void useChineseFonts();
