#include "quote/cutting_sheet.h"

#include "core/ppdu_id.h"
#include "core/troom_obj.h"

#include <algorithm>

int CuttingSection::longestRunMm() const {
    int longest = 0;
    for (const CuttingRun& run : runs) {
        longest = std::max(longest, run.lengthCm * 10);
    }
    return longest;
}

namespace {

const Ppdu_id* billLineOf(const TRoom_OBJ& room, qint32 product) {
    for (const std::unique_ptr<Ppdu_id>& line : room.billLines) {
        if (line->id == product) {
            return line.get();
        }
    }
    return nullptr;
}

CuttingSection& sectionOf(std::vector<CuttingSection>& sections, const TRoom_OBJ& room,
                          qint32 product) {
    for (CuttingSection& section : sections) {
        if (section.product == product) {
            return section;
        }
    }
    CuttingSection& section = sections.emplace_back();
    section.product = product;
    if (const Ppdu_id* line = billLineOf(room, product)) {
        section.title = line->title;
        section.productLengthMm = line->height;
    }
    return section;
}

} // namespace

void planSection(CuttingSection& section, int sawMm, const CutLimits& limits) {
    section.plan.reset();
    if (section.stockMm <= 0) {
        return;
    }
    std::vector<int> runs;
    runs.reserve(section.runs.size());
    for (const CuttingRun& run : section.runs) {
        runs.push_back(run.lengthCm * 10);
    }
    section.plan = planCutting(runs, section.stockMm, sawMm, limits);
}

CuttingSheet makeCuttingSheet(const std::vector<RoomEntry>& rooms, const CuttingStock& stock,
                              int sawMm, const CutLimits& limits) {
    CuttingSheet sheet;
    sheet.sawMm = sawMm;
    for (const RoomEntry& entry : rooms) {
        const TRoom_OBJ& room = *entry.room;
        if (room.not_Cacl != 0) {
            continue;
        }
        for (const TRoom_OBJ::StripRun& run : room.stripRuns()) {
            if (run.lengthCm() > 0) {
                sectionOf(sheet.sections, room, run.product)
                    .runs.push_back({room.getName(), run.lengthCm()});
            }
        }
    }
    for (CuttingSection& section : sheet.sections) {
        const int own = section.productLengthMm;
        section.stockEditable = own <= 0 || own < section.longestRunMm();
        const auto dealer = stock.find(section.product);
        if (!section.stockEditable) {
            section.stockMm = own;
        } else if (dealer != stock.end() && dealer->second > 0) {
            section.stockMm = dealer->second;
        }
        planSection(section, sawMm, limits);
    }
    return sheet;
}
