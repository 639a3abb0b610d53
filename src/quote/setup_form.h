#pragma once

#include "quote/dealer_details.h"

#include <QString>

#include <functional>

class Prompts;
class SetupFile;
struct HeldSettings;

// The limits of the settings window's fields.
namespace setup_limits {
inline constexpr double accessoryMax = 10000; // the installation fee has no upper limit
inline constexpr int minCoverageMin = 5;
inline constexpr int minCoverageMax = 100;
inline constexpr int discountMax = 100;
inline constexpr int digitsMin = 1;
inline constexpr int digitsMax = 6;
inline constexpr int historyMin = 5;
inline constexpr int historyMax = 50;
inline constexpr int historyStep = 10;
inline constexpr int autosaveMax = 600;
inline constexpr int ceilingHeightMin = 220; // cm
inline constexpr int ceilingHeightMax = 600;
inline constexpr int sawKerfMax = 20;
} // namespace setup_limits

// The values of the settings window "参数设置" as its fields hold them.
struct SetupFormValues {
    // Tab "基本参数设置".
    QString prefix;
    int index = 0;
    int digits = 4;
    int zk = 100;
    int minzk = 90;
    // Accessory texts: keel length and price, triangle keel length and price,
    // connectors, hangers, installation fee, edge trim price.
    QString keelLength, keelPrice, triangleKeelLength, triangleKeelPrice;
    QString connectors, hangers, installationFee, edgeTrimPrice;
    QString minnumber;
    bool autosb = false;
    // Tab "程序参数设置".
    int history = 20;
    int autosaveMinutes = 3;
    int ceilingHeight = 260; // cm
    int sawKerf = 0;
    bool product1 = true;
    bool product2 = true;
    bool product3 = true;
    bool runIE = true;
    bool autoCreateRoom = true;
    // Tab "经销商信息".
    DealerDetails dealer;

    // The preview of the next project number.
    QString preview() const;
};

// What saving settings changes beyond the main window's held values. The open project
// fills these in; empty hooks are skipped.
struct SettingsSaveHooks {
    // Every room of the open project: new undo depth and minimum coverage, recount.
    std::function<void(int history, int minCoverage)> applyToRooms;
    std::function<void()> markEdgeTrimReady;
};

// `readinifile`: the window's fields from "setup.ini" (clamped to the field limits as
// the fields would), pushed into the held settings of the main window.
SetupFormValues readinifile(const SetupFile& setup, HeldSettings& held);

// `Savetoinifile`: refuses with "折扣数据错误！" (nothing written) when the default
// discount is below the lowest; otherwise writes every value and applies it.
// Returns whether the settings were stored.
bool Savetoinifile(const SetupFormValues& values, SetupFile& setup, HeldSettings& held,
                   Prompts& prompts, const SettingsSaveHooks& hooks = {});
