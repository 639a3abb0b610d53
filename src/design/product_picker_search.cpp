#include "design/product_picker.h"

#include <algorithm>

bool ProductPicker::search(const QString& text) {
    forgetSelection();
    if (sub_.selected < 0) {
        emptyGrid();
        return true;
    }
    const QString wanted = text.trimmed();
    const NameSearch byName(wanted);
    std::vector<ProductRow> products;
    // The library cannot spell pinyin: for a text of Latin letters it lists every product
    // and the names are matched here.
    if (!guarded([&] {
            products = library_.searchByName(byName.byPinyin() ? QString() : wanted, filter);
        })) {
        return false;
    }
    if (byName.byPinyin()) {
        std::erase_if(products,
                      [&](const ProductRow& p) { return !byName.matches(p.title, pinyin_); });
    }
    // An empty text lists every product but is not worth a place in the history.
    if (!products.empty() && !wanted.isEmpty()) {
        remember(*history_, wanted);
    }
    fillGrid(products);
    return true;
}

void ProductPicker::remember(QStringList& history, const QString& text) {
    history.removeAll(text);
    history.prepend(text);
    while (history.size() > HistoryLimit) {
        history.removeLast();
    }
}
