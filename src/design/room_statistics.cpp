#include "design/room_statistics.h"

#include "core/ppdu_id.h"
#include "core/troom_obj.h"
#include "library/product_library.h"
#include "platform/decimal_text.h"

#include <algorithm>

void RoomStatisticsView::setRows(std::vector<StatisticsRow> rows) {
    rows_ = std::move(rows);
    if (rowsChanged) {
        rowsChanged();
    }
}

QString RoomStatisticsView::sizeText(const Ppdu_id& line) {
    if (line.style == KindSquarePanel || line.style == KindAppliance) {
        return QString::number(line.width) + u'X' + QString::number(line.height);
    }
    return QString::number(line.height);
}

QString RoomStatisticsView::quantityText(double quantity) {
    return roundedText(quantity, 2);
}

// Headings follow the library's categories in the order the query returns them; a
// category without lines shows no heading. Within a category the lines run from the
// last counted product to the first.
std::vector<StatisticsRow> statisticsRows(const TRoom_OBJ& room) {
    std::vector<StatisticsRow> rows;
    const std::vector<CategoryRow> categories =
        room.library ? ProductLibrary(*room.library).allCategories() : std::vector<CategoryRow>{};
    for (const CategoryRow& category : categories) {
        const std::size_t heading = rows.size();
        rows.push_back(
            {u'［' + category.name + u'］', {QString(), QString(), QString()}, 0, category.id});
        for (auto line = room.billLines.rbegin(); line != room.billLines.rend(); ++line) {
            const Ppdu_id& l = **line;
            if (l.cailiao_id == category.id && l.number != 0) {
                rows.push_back({QStringLiteral("  ") + l.title,
                                {RoomStatisticsView::sizeText(l),
                                 RoomStatisticsView::quantityText(l.number), l.danwei},
                                1,
                                l.id});
            }
        }
        if (rows.size() == heading + 1) {
            rows.pop_back();
        }
    }
    return rows;
}

void TRoom_OBJ::statisticsRefresh() {
    std::erase_if(billLines,
                  [](const std::unique_ptr<Ppdu_id>& line) { return line->number == 0; });
    if (statisticsView) {
        statisticsView->setRows(statisticsRows(*this));
    }
}
