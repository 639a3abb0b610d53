#include "catalogue/catalogue_tables.h"

int productId(const CatalogueRange& range, const SubCategoryEntry& sub, int index) {
    const int base = range.firstId - range.firstId % 100;
    return base + (sub.id - base) * 100 + index + 1;
}
