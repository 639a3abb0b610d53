#include "delivered_library.h"

#include "library/product_library.h"

#include <QStringList>

#include <algorithm>

namespace {

const StatusFilter AllOn{true, true, true};
const StatusFilter AllOff{false, false, false};
const StatusFilter OnlyDiscontinued{false, false, true};
const StatusFilter OnlyOutOfStock{false, true, false};

template <typename Rows> QStringList namesOf(const Rows& rows) {
    QStringList names;
    for (const auto& row : rows) {
        if constexpr (requires { row.title; }) {
            names << row.title;
        } else {
            names << row.name;
        }
    }
    return names;
}

bool sorted(const QStringList& names) {
    return std::is_sorted(names.begin(), names.end());
}

} // namespace

using LibraryQueries = DeliveredLibrary;

TEST_F(LibraryQueries, TopCategoriesOfEachCompanyFollowTheStatusFilter) {
    ProductLibrary lib(library());
    for (const int company : {0, GeneralCompany}) {
        const auto all = lib.topCategories(company, AllOn);
        ASSERT_GE(all.size(), 6u) << company;
        EXPECT_TRUE(sorted(namesOf(all))) << company;
        for (const CategoryRow& row : all) {
            EXPECT_EQ(row.companyId, company);
        }
        // With every flag off there is no condition: every status is listed.
        EXPECT_EQ(namesOf(lib.topCategories(company, AllOff)), namesOf(all));
        const auto discontinued = lib.topCategories(company, OnlyDiscontinued);
        ASSERT_FALSE(discontinued.empty()) << company;
        for (const CategoryRow& row : discontinued) {
            EXPECT_EQ(row.status, StatusDiscontinued);
        }
        const auto normal = lib.topCategories(company, {true, false, false});
        EXPECT_EQ(normal.size() + discontinued.size(), all.size());
    }
    EXPECT_EQ(namesOf(lib.topCategories(0, OnlyDiscontinued)), QStringList{"旧款产品"});
    EXPECT_EQ(namesOf(lib.topCategories(GeneralCompany, OnlyDiscontinued)),
              QStringList{"停产系列"});
    EXPECT_TRUE(lib.topCategories(1, AllOn).empty()) << "no other company has categories";
}

TEST_F(LibraryQueries, SubCategoriesAndProductsAreOrderedByNameAndFiltered) {
    ProductLibrary lib(library());
    const auto subs = lib.subCategories(3, AllOn); // 镶嵌电器
    QStringList expected{"平板灯", "浴霸", "照明灯", "换气扇"};
    expected.sort();
    EXPECT_EQ(namesOf(subs), expected);
    for (const SubCategoryRow& sub : subs) {
        EXPECT_EQ(sub.categoryId, 3);
    }
    EXPECT_EQ(namesOf(lib.subCategories(50003, OnlyOutOfStock)), QStringList{"进口浴霸"});

    const auto panels = lib.productsOfSubCategory(1, AllOn);
    EXPECT_EQ(panels.size(), 10u);
    EXPECT_TRUE(sorted(namesOf(panels)));
    EXPECT_EQ(namesOf(lib.productsOfSubCategory(1, OnlyOutOfStock)),
              QStringList{"大理石纹方板 300×300"});
    EXPECT_EQ(namesOf(lib.productsOfSubCategory(1, OnlyDiscontinued)),
              QStringList{"蜂窝方板 300×300"});
    EXPECT_EQ(lib.productsOfSubCategory(1, AllOff).size(), panels.size());
    EXPECT_TRUE(lib.productsOfSubCategory(99999, AllOn).empty());
}

TEST_F(LibraryQueries, SearchByNameTakesQuotesAndMatchesPercentLiterally) {
    ProductLibrary lib(library());
    EXPECT_EQ(namesOf(lib.searchByName("D'Art", AllOn)), QStringList{"D'Art 艺术花板 300×300"});
    EXPECT_EQ(namesOf(lib.searchByName("'", AllOn)),
              (QStringList{"Bella's 欧式花板 300×300", "D'Art 艺术花板 300×300"}));
    EXPECT_EQ(namesOf(lib.searchByName("%", AllOn)), QStringList{"100%纯铝拉丝板 300×300"});
    EXPECT_TRUE(lib.searchByName("_", AllOn).empty()) << "_ is no wildcard";

    const auto lamps = lib.searchByName("灯", AllOn);
    EXPECT_GE(lamps.size(), 5u);
    EXPECT_TRUE(sorted(namesOf(lamps)));
    for (const ProductRow& p : lamps) {
        EXPECT_TRUE(p.title.contains("灯")) << p.title.toStdString();
    }
    // The search covers both ranges and obeys the filter.
    const auto heaters = lib.searchByName("浴霸", AllOn);
    EXPECT_EQ(heaters.size(), 3u);
    EXPECT_EQ(namesOf(lib.searchByName("浴霸", {true, false, false})),
              QStringList{"四灯取暖浴霸 300×600"});
}

TEST_F(LibraryQueries, SingleProductReadsCarryEveryColumn) {
    ProductLibrary lib(library());
    const auto withCategory = lib.productWithCategory(101);
    ASSERT_TRUE(withCategory);
    EXPECT_EQ(withCategory->title, "拉丝银方板 300×300");
    EXPECT_EQ(withCategory->categoryId, 1);
    EXPECT_EQ(withCategory->subCategoryId, 1);
    EXPECT_EQ(withCategory->kind, KindSquarePanel);
    EXPECT_DOUBLE_EQ(withCategory->width, 300);
    EXPECT_DOUBLE_EQ(withCategory->height, 300);
    EXPECT_DOUBLE_EQ(withCategory->price, 38);
    EXPECT_EQ(withCategory->unit, "片");
    EXPECT_EQ(withCategory->productNumber, "YZ-FB3030-01");
    EXPECT_TRUE(withCategory->infoUrl.startsWith("https://"));
    EXPECT_FALSE(withCategory->picture.isEmpty());

    const auto general = lib.productWithCategory(50101);
    ASSERT_TRUE(general);
    EXPECT_EQ(general->categoryId, 50001);

    const auto plain = lib.product(101);
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->title, withCategory->title);
    EXPECT_EQ(plain->picture, withCategory->picture);
    EXPECT_EQ(plain->categoryId, -1) << "the table itself has no category";

    EXPECT_FALSE(lib.product(0));
    EXPECT_FALSE(lib.productWithCategory(123456));
}

TEST_F(LibraryQueries, NamesOfCategoriesProductsAndSubCategories) {
    ProductLibrary lib(library());
    const auto categories = lib.allCategories();
    const int count = library().scalar("select count(*) from cailiao").toInt();
    EXPECT_EQ(int(categories.size()), count);
    EXPECT_TRUE(namesOf(categories).contains("条形扣板"));
    EXPECT_TRUE(namesOf(categories).contains("通用电器"));

    const auto byName = lib.productByExactName("Bella's 欧式花板 300×300");
    ASSERT_TRUE(byName);
    EXPECT_EQ(byName->categoryId, 50001);
    EXPECT_FALSE(lib.productByExactName("Bella's"));
    EXPECT_FALSE(lib.productByExactName("' or '1'='1"));

    EXPECT_EQ(lib.subCategoryNameOfProduct(101), "300×300 方板");
    EXPECT_EQ(lib.subCategoryNameOfProduct(byName->id), "通用 300×300 方板");
    EXPECT_EQ(lib.subCategoryNameOfProduct(99998), "---");
}
