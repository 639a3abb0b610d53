#pragma once

#include "quote/cutting_plan.h"

#include <QString>

class Prompts;
struct CuttingSheet;

// The words and figures the cutting list shows, the same in the window, the PDF pages
// and the tab-separated file.
namespace cutting_text {

// Said in place of the sheet when no room in the statistics has strips.
QString noStrips();
QString method(CutMethod method);
// A piece in mm; a part of a joined run says which part, as "2000(接2/3)".
QString piece(const CutPiece& piece);
// The pieces of a bar, largest first, joined by " + ".
QString pieces(const CutBar& bar);
// "需原料 18 根（下限 17 根）   损耗 10.80 m（10.0%）   精确求解".
QString summary(const CutPlan& plan);
// Metres of waste with two decimals, and its share in per cent with one.
QString wasteMetres(const CutPlan& plan);
QString wastePercent(const CutPlan& plan);

} // namespace cutting_text

// The sheet as tab-separated lines: per product a heading line, its runs, and per bar
// the pieces cut from it and the offcut.
QString cuttingSheetText(const CuttingSheet& sheet);
// Writes that text as UTF-8 into `file`; false, after telling the user, when it failed.
bool writeCuttingSheet(const QString& file, const CuttingSheet& sheet, Prompts& prompts);
