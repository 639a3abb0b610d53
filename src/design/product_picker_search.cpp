#include "design/product_picker.h"

bool ProductPicker::search(const QString& text) {
    forgetSelection();
    if (sub_.selected < 0) {
        emptyGrid();
        return true;
    }
    const QString wanted = text.trimmed();
    std::vector<ProductRow> products;
    if (!guarded([&] { products = library_.searchByName(wanted, filter); })) {
        return false;
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
