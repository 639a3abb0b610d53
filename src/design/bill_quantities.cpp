#include "core/troom_obj.h"

#include "core/ppdu_id.h"
#include "core/tpic_rec.h"

#include <algorithm>

void TRoom_OBJ::addQuantity(int productId, double amount) {
    const auto found = std::find_if(
        billLines.begin(), billLines.end(),
        [productId](const std::unique_ptr<Ppdu_id>& line) { return line->id == productId; });
    Ppdu_id* line = found != billLines.end() ? found->get() : nullptr;
    if (!line) {
        // Sizes as the library gives them, unturned.
        const tpic_rec* product = productLookup(productId, 0);
        if (!product) {
            return;
        }
        auto added = std::make_unique<Ppdu_id>();
        added->title = product->title;
        added->id = product->id;
        added->cailiao_id = product->topCategory;
        added->style = product->kind;
        added->price = product->price;
        added->width = product->width;
        added->height = product->height;
        added->danwei = product->unit;
        line = added.get();
        billLines.push_back(std::move(added));
    }
    line->number += amount;
}
