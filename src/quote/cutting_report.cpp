#include "quote/cutting_report.h"

#include "quote/cutting_sheet.h"
#include "quote/cutting_text.h"
#include "quote/held_settings.h"
#include "quote/open_project.h"
#include "quote/reports.h"

namespace {

constexpr quint8 Grid = SheetCell::Right | SheetCell::Bottom;
constexpr quint8 FirstColumn = SheetCell::Left | SheetCell::Right | SheetCell::Bottom;

SheetTable titleBar(const QString& name, const QString& rest, double gap) {
    SheetCell bar{rest, name};
    bar.shaded = true;
    SheetTable table{0.9, 3, false, gap, {{{bar}}}};
    return table;
}

// A grid of `widths` columns whose first row is the shaded captions.
SheetTable grid(const std::vector<std::pair<QString, double>>& captions,
                const std::vector<std::vector<QString>>& rows) {
    SheetTable table{0.9, 3, false, 0, {}};
    SheetRow& header = table.rows.emplace_back();
    for (std::size_t i = 0; i < captions.size(); ++i) {
        header.cells.push_back({captions[i].first,
                                {},
                                captions[i].second,
                                Qt::AlignLeft,
                                quint8(SheetCell::Top | (i == 0 ? FirstColumn : Grid)),
                                true});
    }
    for (const std::vector<QString>& texts : rows) {
        SheetRow& row = table.rows.emplace_back();
        for (std::size_t i = 0; i < texts.size(); ++i) {
            row.cells.push_back(
                {texts[i], {}, captions[i].second, Qt::AlignLeft, i == 0 ? FirstColumn : Grid});
        }
    }
    return table;
}

} // namespace

std::vector<SheetTable> cuttingSheetTables(const CuttingSheet& sheet) {
    std::vector<SheetTable> tables;
    SheetTable& head = tables.emplace_back(
        titleBar(QStringLiteral("下料单"), QStringLiteral("  锯口 %1 mm").arg(sheet.sawMm), 0));
    head.newPage = true;
    for (const CuttingSection& section : sheet.sections) {
        tables.push_back(titleBar(section.title,
                                  section.stockMm > 0
                                      ? QStringLiteral("  原料长度 %1 mm").arg(section.stockMm)
                                      : QStringLiteral("  未给原料长度"),
                                  10));
        std::vector<std::vector<QString>> runs;
        for (const CuttingRun& run : section.runs) {
            runs.push_back({run.room, QString::number(run.lengthCm)});
        }
        tables.push_back(
            grid({{QStringLiteral("房间"), 50}, {QStringLiteral("长度(cm)"), 50}}, runs));
        if (!section.plan) {
            continue;
        }
        std::vector<std::vector<QString>> bars;
        for (std::size_t i = 0; i < section.plan->bars.size(); ++i) {
            const CutBar& bar = section.plan->bars[i];
            bars.push_back(
                {QString::number(i + 1), cutting_text::pieces(bar), QString::number(bar.offcutMm)});
        }
        SheetTable& cuts = tables.emplace_back(grid({{QStringLiteral("原料"), 12},
                                                     {QStringLiteral("切割(mm)"), 68},
                                                     {QStringLiteral("余料(mm)"), 20}},
                                                    bars));
        cuts.gap = 6;
        tables.push_back(titleBar({}, cutting_text::summary(*section.plan), 6));
    }
    return tables;
}

void Reports::appendCuttingList(ReportSheet& sheet) const {
    const CuttingSheet cutting =
        makeCuttingSheet(s_.project.room_list, s_.project.cuttingStock, s_.held.sawKerf);
    for (SheetTable& table : cuttingSheetTables(cutting)) {
        sheet.tables.push_back(std::move(table));
    }
}
