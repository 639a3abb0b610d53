#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

class Database;

// Kind codes of products.
enum ProductKind {
    KindSquarePanel = 0,
    KindStrip = 1,
    KindAppliance = 2,
    KindFloating = 3,
    KindOther = 4,
    KindMark = 5
};

// Status codes of categories, sub-categories and products.
enum ProductStatus { StatusNormal = 0, StatusDiscontinued = 1, StatusOutOfStock = 2 };

// The ranges of record ids.
constexpr int VendorRangeFirst = 1;
constexpr int GeneralRangeFirst = 50000;
constexpr int CustomRangeFirst = 100000;
// Company id of the general edition and of general and custom categories.
constexpr int GeneralCompany = 2;

// Which statuses the picker shows ("正常产品", "缺货产品", "停产产品").
struct StatusFilter {
    bool normal = true;       // product1, status 0
    bool outOfStock = true;   // product2, status 2
    bool discontinued = true; // product3, status 1
};

// The condition appended to the picker's queries: empty when all three are off.
QString statusFilterClause(const StatusFilter& filter);

struct CategoryRow {
    int id = 0;
    QString name;
    int companyId = 0;
    int status = 0;
};

struct SubCategoryRow {
    int id = 0;
    QString name;
    int categoryId = 0;
    int status = 0;
};

struct ProductRow {
    int id = 0;
    int subCategoryId = 0;
    int categoryId = -1; // only from the joined view
    QString title;
    int kind = 0;
    int status = 0;
    double width = 0;
    double height = 0;
    double price = 0;
    QString unit;
    QString infoUrl;
    QByteArray picture; // a complete BMP file, or empty
    QString productNumber;
    int life = 0;
};

// The product library's read queries, each with bound parameters.
class ProductLibrary {
public:
    explicit ProductLibrary(Database& db) : db_(db) {}

    std::vector<CategoryRow> topCategories(int company, const StatusFilter& filter) const;
    std::vector<SubCategoryRow> subCategories(int categoryId, const StatusFilter& filter) const;
    std::vector<ProductRow> productsOfSubCategory(int subCategoryId,
                                                  const StatusFilter& filter) const;
    // Products whose name contains `text` literally (% and _ match themselves).
    std::vector<ProductRow> searchByName(const QString& text, const StatusFilter& filter) const;
    // One product with the id of its top category.
    std::optional<ProductRow> productWithCategory(int id) const;
    std::optional<ProductRow> product(int id) const;
    std::vector<CategoryRow> allCategories() const;
    std::optional<ProductRow> productByExactName(const QString& name) const;
    // The name of a product's sub-category; "---" when there is none.
    QString subCategoryNameOfProduct(int productId) const;

    Database& database() const { return db_; }

private:
    Database& db_;
};
