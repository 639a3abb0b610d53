#pragma once

#include "library/custom_product.h"
#include "library/product_library.h"

#include <QByteArray>
#include <QString>

#include <vector>

class Database;

// A product's edits from the maintenance grid.
struct ProductEdit {
    int id = 0;
    double price = 0;
    QString unit;
    int status = 0;
};

// The product library's maintenance statements, each with bound parameters. Every change
// that touches more than one row runs in one transaction, so an engine error leaves the
// library as it was.
class LibraryMaintenance {
public:
    explicit LibraryMaintenance(Database& db) : db_(db) {}

    // Top categories with lastExclusive <= 0 meaning no upper bound, ordered by id.
    std::vector<CategoryRow> categoriesInRange(int first, int lastExclusive) const;
    // Sub-categories of a category in id order, all statuses.
    std::vector<SubCategoryRow> subCategoriesById(int categoryId) const;

    // The status of a category, all its sub-categories and their products.
    void setCategoryStatus(int categoryId, int status);
    // The status of a sub-category and its products.
    void setSubCategoryStatus(int subCategoryId, int status);
    // Price, unit and status of each product that still exists.
    void saveEdits(const std::vector<ProductEdit>& edits);
    // One product's library price, written at once.
    void setPrice(int id, double price);

    // Custom catalogue: a category (company 2) or sub-category, inserted when its id is
    // new, renamed otherwise.
    void storeCategory(int id, const QString& name);
    void storeSubCategory(int id, const QString& name, int categoryId);
    void insertProduct(int id, int subCategoryId, const CustomProductValues& values);
    void updateProduct(int id, const CustomProductValues& values);
    // A category or sub-category with everything below it.
    void deleteCategory(int categoryId);
    void deleteSubCategory(int subCategoryId);
    void deleteProduct(int id);
    // The highest id of a table ("cailiao", "xinghao" or "pic"), 0 when it is empty.
    int highestId(const QString& table) const;

private:
    Database& db_;
};
