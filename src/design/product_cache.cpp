#include "core/troom_obj.h"

#include "core/rounding.h"
#include "core/tpic_rec.h"
#include "design/product_picture.h"
#include "library/product_library.h"
#include "platform/picture.h"

namespace {

quint64 cacheKey(int id, quint8 orientation) {
    return (quint64(quint32(id)) << 8) | orientation;
}

bool turnsAQuarter(quint8 orientation) {
    return orientation == 1 || orientation == 3;
}

// The library row as seen in one orientation. A picture that cannot be read leaves the
// item without one, so that the product can still be placed and counted.
std::unique_ptr<tpic_rec> makeItem(const ProductRow& row, quint8 orientation) {
    auto item = std::make_unique<tpic_rec>();
    item->id = row.id;
    item->title = row.title;
    const int width = rounding::halfEven(row.width);
    const int height = rounding::halfEven(row.height);
    item->width = turnsAQuarter(orientation) ? height : width;
    item->height = turnsAQuarter(orientation) ? width : height;
    item->orientation = orientation;
    item->kind = row.kind;
    item->price = row.price;
    item->unit = row.unit;
    item->topCategory = row.categoryId;
    item->picture = product_picture::turned(picture::readBmp(row.picture), orientation);
    if (row.kind >= KindFloating) {
        if (const std::optional<TColor> colour = product_picture::transparentColor(item->picture)) {
            item->transparent = true;
            item->transparentColor = *colour;
        }
    }
    return item;
}

} // namespace

tpic_rec* TRoom_OBJ::productLookup(int id, int orientation) {
    const quint8 code = quint8(orientation);
    // Items appended to the cache from elsewhere join the index first.
    if (productIndex.size() != productCache.size()) {
        productIndex.clear();
        for (const std::unique_ptr<tpic_rec>& item : productCache) {
            productIndex.emplace(cacheKey(item->id, item->orientation), item.get());
        }
    }
    const auto found = productIndex.find(cacheKey(id, code));
    if (found != productIndex.end()) {
        return found->second;
    }
    if (!library) {
        return nullptr;
    }
    const std::optional<ProductRow> row = ProductLibrary(*library).productWithCategory(id);
    if (!row) {
        return nullptr;
    }
    productCache.push_back(makeItem(*row, code));
    tpic_rec* item = productCache.back().get();
    productIndex.emplace(cacheKey(id, code), item);
    return item;
}
