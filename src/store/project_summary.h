#pragma once

#include "core/otherrec.h"
#include "core/ppdu_id.h"

#include <QList>
#include <QStringList>

#include <vector>

struct CategoryRow;

// One row of the browser's project summary: a category heading "［name］" without
// values, or a line with 数量, 修正, 单价（元）, 金额（元）.
struct SummaryRow {
    QString caption;
    QStringList values;
};

// The read-only project summary of a stored customer: per category, in the order given,
// its bill lines (last first; items of the same product add up as the correction) and
// its remaining non-display items (last first), the heading left out when the category
// has none. Quantities of bill lines and corrections are shown to 2 decimals, prices and
// amounts to 1; lines of quantity 0 stay. The items' merged marks are used while building.
std::vector<SummaryRow> projectSummary(const std::vector<CategoryRow>& categories,
                                       const QList<Ppdu_id>& lines, QList<otherrec>& items);
