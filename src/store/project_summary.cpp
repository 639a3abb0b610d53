#include "store/project_summary.h"

#include "library/product_library.h"
#include "platform/decimal_text.h"

namespace {

void appendCategory(std::vector<SummaryRow>& rows, const CategoryRow& category,
                    const QList<Ppdu_id>& lines, QList<otherrec>& items) {
    const std::size_t heading = rows.size();
    rows.push_back({u'［' + category.name + u'］', {}});
    for (otherrec& item : items) {
        item.merged = false;
    }
    for (qsizetype i = lines.size() - 1; i >= 0; --i) {
        const Ppdu_id& line = lines[i];
        if (line.cailiao_id != category.id) {
            continue;
        }
        const double correction = mergeCorrection(items, line.id);
        rows.push_back({QStringLiteral("  ") + line.title,
                        {roundedText(line.number, 2),
                         correction == 0 ? QStringLiteral(" ") : roundedText(correction, 2),
                         roundedText(line.price, 1),
                         roundedText((line.number + correction) * line.price, 1)}});
    }
    for (qsizetype i = items.size() - 1; i >= 0; --i) {
        const otherrec& item = items[i];
        if (item.cailiao_id != category.id || item.merged) {
            continue;
        }
        const QString mark =
            item.number < 1 ? QStringLiteral("[退货]") : QStringLiteral("[非显示]");
        rows.push_back({QStringLiteral("  ") + item.title + mark,
                        {QString::number(item.number), QStringLiteral("  "),
                         roundedText(item.price, 1), roundedText(item.number * item.price, 1)}});
    }
    if (rows.size() == heading + 1) {
        rows.pop_back();
    }
}

} // namespace

std::vector<SummaryRow> projectSummary(const std::vector<CategoryRow>& categories,
                                       const QList<Ppdu_id>& lines, QList<otherrec>& items) {
    std::vector<SummaryRow> rows;
    for (const CategoryRow& category : categories) {
        appendCategory(rows, category, lines, items);
    }
    return rows;
}
