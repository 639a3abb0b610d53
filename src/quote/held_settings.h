#pragma once

#include <QString>
#include <QStringList>

class SetupFile;

// Which product statuses the product picker shows.
struct ProductDisplay {
    bool normal = true;       // status 0, "正常产品"
    bool outOfStock = true;   // status 2, "缺货产品"
    bool discontinued = true; // status 1, "停产产品"
};

struct CompanySettings {
    int compid = 0;
    int trueComp = 0;
    int compstyle = 0;
    QString url;
};

// Project numbers: prefix followed by the sequence number padded to `digits`.
struct ProjectNumbering {
    QString prefix;
    int index = 0;
    int digits = 4;
};

// The main window's discount field: `value` within [minimum, 100]; shown only when the
// default discount is not 100.
struct DiscountField {
    int minimum = 0;
    int value = 100;
    bool visible = false;
};

// The accessory parameters of a project (per square metre or per metre).
struct AccessoryParameters {
    double keelLength = 0;
    double keelPrice = 0;
    double triangleKeelLength = 0;
    double triangleKeelPrice = 0;
    double connectors = 0;
    double hangers = 0;
    double installationFee = 0;
    double edgeTrimPrice = 0;
};

// What a project starts with: the "reg" defaults, coverage and discount.
struct ProjectDefaults {
    AccessoryParameters accessories;
    int minCoverage = 5;
    bool autoEdgeTrim = false;
    int discount = 100;
};

// The new-room dialog's initial values.
struct NewRoomDefaults {
    int cellWidth = 300;
    int cellHeight = 300;
    int roomWidth = 300;
    int roomHeight = 300;
    int roomStyle = 0;
};

// The settings the main window holds after start. The first group is read at start;
// the settings window pushes the rest when it reads "setup.ini". Parts of the window
// that other subsystems build (picker, new-room dialog, open project) read them here.
struct HeldSettings {
    ProductDisplay products;
    bool runIE = true;
    bool autoCreateRoom = true;
    int gw = 300;
    int gh = 300;
    int history = 20;
    int autosaveMinutes = 3; // 0: no automatic copies
    int ceilingHeight = 260; // cm, the 3D view's ceiling of a room without one of its own
    int sawKerf = 0;         // mm per saw cut of the cutting list
    QStringList searchHistory;
    CompanySettings company;

    ProjectNumbering numbering;
    DiscountField discount;
    ProjectDefaults project;
    NewRoomDefaults newRoom;
    // The fixed-length field of the wall tools, centimetres 5 to 100.
    int glen = 5;

    // The first group, read at start (before the databases open).
    void readStartGroup(const SetupFile& setup);
};

// Minimum panel coverage from its stored text: the whole part, at least 5.
int minCoverageFromText(const QString& text);
