#pragma once

#include <QRgb>

#include <vector>

// The delivered catalogue as plain tables: top categories, their sub-categories and
// their products, each product with the look its picture is drawn with.

// How a product's picture is drawn; each family lives in its own drawing file. The
// families follow the kind codes in order (kindOfMotif relies on it).
enum class Motif {
    // Square panels (panel_pictures.cpp).
    Brushed,
    Perforated,
    Wave,
    Flower,
    Marble,
    Diamond,
    Honeycomb,
    Ripple,
    WoodGrain,
    Mesh,
    Mirror,
    Meander,
    Star,
    Checker,
    Matte,
    // Strip panels (strip_pictures.cpp).
    GroovedStrip,
    WoodStrip,
    MirrorStrip,
    // Appliances (appliance_pictures.cpp).
    RoundLamp,
    TubeLamp,
    ExhaustFan,
    BathHeater,
    PanelLight,
    // Floating products (decor_pictures.cpp).
    CornerFlower,
    Rosette,
    Ring,
    Cloud,
    // Installation parts (part_pictures.cpp).
    MainKeel,
    TriangleKeel,
    Hanger,
    Connector,
    EdgeTrim,
    ThreadedRod,
    // Marks (mark_pictures.cpp).
    DirectionArrow,
    CentrePoint,
    AccessHatch,
    LevelMark,
};

struct Look {
    Motif motif;
    QRgb base;   // main colour of the surface
    QRgb accent; // pattern, frame or light colour
};

struct ProductEntry {
    const char* title;
    int widthMm;  // x of the picture; for strips the length of one picture tile
    int heightMm; // y of the picture; for strips the strip's width
    double price;
    const char* unit;
    Look look;
    int status = 0;               // 0 normal, 1 discontinued, 2 out of stock
    const char* number = "";      // product number, at most 12 characters
    const char* infoAddress = ""; // product information page, at most 100 characters
};

struct SubCategoryEntry {
    int id;
    const char* name;
    int kind; // the kind code of every product in it
    std::vector<ProductEntry> products;
    int status = 0; // a status other than 0 applies to all its products
};

struct CategoryEntry {
    int id;
    const char* name;
    std::vector<SubCategoryEntry> subCategories;
    int status = 0; // a status other than 0 applies to everything below it
};

// One id range of the library with the company that owns its categories.
struct CatalogueRange {
    int firstId;   // ids of this range start here
    int lastId;    // and end here
    int companyId; // comp_id of its top categories
    std::vector<CategoryEntry> categories;
};

// The vendor's own catalogue (ids 1 to 49999, the default true company 0).
CatalogueRange vendorCatalogue();
// The general-edition catalogue (ids 50000 to 99999, company 2).
CatalogueRange generalCatalogue();

// A product's id: its sub-category's place in the range times 100 plus its place in
// the sub-category, so a product keeps its id when products are appended elsewhere.
int productId(const CatalogueRange& range, const SubCategoryEntry& sub, int index);
