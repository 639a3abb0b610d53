#pragma once

#include "quote/cutting_plan.h"

#include <QString>
#include <QtGlobal>

#include <map>
#include <optional>
#include <vector>

struct RoomEntry;

// The dealer's stock length in mm per strip product, kept with the project.
using CuttingStock = std::map<qint32, int>;

// One run of strip to cut: the room it lies in and its length as the bill measures it.
struct CuttingRun {
    QString room;
    int lengthCm = 0;
};

// One strip product of the counted rooms with its runs and the bars they are cut from.
struct CuttingSection {
    qint32 product = 0;
    QString title;
    // The product's own length (`height`), mm; 0 or less when it has none.
    int productLengthMm = 0;
    std::vector<CuttingRun> runs;
    // The length the bars are bought in; 0 while none is known.
    int stockMm = 0;
    // The product's own length is missing or shorter than the longest run, so the dealer
    // gives the stock length.
    bool stockEditable = false;
    // None while no stock length is known.
    std::optional<CutPlan> plan;

    int longestRunMm() const;
};

struct CuttingSheet {
    int sawMm = 0;
    std::vector<CuttingSection> sections;
};

// The runs of every strip product the bill counts, from the rooms that take part in the
// statistics, products in the order they first appear, each cut into bars of the
// product's length when it holds the longest run, else of the dealer's stock length;
// without either the section has no plan.
CuttingSheet makeCuttingSheet(const std::vector<RoomEntry>& rooms, const CuttingStock& stock,
                              int sawMm, const CutLimits& limits = {});

// Plans the section again after its stock length changed.
void planSection(CuttingSection& section, int sawMm, const CutLimits& limits = {});
