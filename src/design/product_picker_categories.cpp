#include "design/product_picker.h"

#include "platform/database.h"
#include "platform/prompts.h"

ProductPicker::ProductPicker(Database& library, Prompts* prompts)
    : library_(library), prompts_(prompts) {
    buildPopup();
    emptyGrid();
}

bool ProductPicker::guarded(const std::function<void()>& query) {
    try {
        query();
        return true;
    } catch (const DatabaseError& error) {
        if (prompts_) {
            prompts_->message(QString::fromUtf8(error.what()));
        }
        return false;
    }
}

bool ProductPicker::generalCatalogue() const {
    return catalogueEntry == GeneralCatalogueEntry && compstyle != 0;
}

int ProductPicker::companyId() const {
    return generalCatalogue() ? GeneralCompany : trueComp;
}

int ProductPicker::categoryPanelHeight() const {
    return catalogueSelectorVisible() ? 85 : 60;
}

std::vector<int> ProductPicker::categoryListTops() const {
    if (catalogueSelectorVisible()) {
        return {8, 32, 56};
    }
    return {8, 32};
}

void ProductPicker::chooseCatalogue(int entry) {
    catalogueEntry = entry;
    loadTopCategories();
}

namespace {

template <typename Row> PickerList listOf(const std::vector<Row>& rows) {
    PickerList list;
    for (const Row& row : rows) {
        list.names << row.name;
        list.ids.push_back(row.id);
    }
    return list;
}

} // namespace

bool ProductPicker::replaceList(PickerList& list, const std::function<PickerList()>& query) {
    PickerList fresh;
    if (!guarded([&] { fresh = query(); })) {
        return false;
    }
    list = std::move(fresh);
    return true;
}

bool ProductPicker::loadTopCategories() {
    if (!replaceList(top_,
                     [this] { return listOf(library_.topCategories(companyId(), filter)); })) {
        return false;
    }
    // An empty list empties the levels below as well, so that the grid never shows the
    // products of a category that is no longer listed.
    selectTopCategory(top_.empty() ? -1 : 0);
    return true;
}

void ProductPicker::selectTopCategory(int index) {
    top_.selected = index >= 0 && index < int(top_.ids.size()) ? index : -1;
    loadSubCategories();
}

bool ProductPicker::loadSubCategories() {
    if (top_.selected < 0) {
        sub_ = {};
        loadProducts();
        return true;
    }
    const int category = top_.selectedId();
    if (!replaceList(sub_, [&] { return listOf(library_.subCategories(category, filter)); })) {
        return false;
    }
    selectSubCategory(sub_.empty() ? -1 : 0);
    return true;
}

void ProductPicker::selectSubCategory(int index) {
    sub_.selected = index >= 0 && index < int(sub_.ids.size()) ? index : -1;
    loadProducts();
}
