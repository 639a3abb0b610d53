#pragma once

#include "quote/report_sheet.h"

#include <vector>

struct CuttingSheet;

// The cutting list as tables of a report sheet, starting on a page of its own: per
// product a title bar with the stock length, its runs, its bars and the result.
std::vector<SheetTable> cuttingSheetTables(const CuttingSheet& sheet);
