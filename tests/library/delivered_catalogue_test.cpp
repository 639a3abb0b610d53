#include "delivered_library.h"

#include "library/product_library.h"
#include "platform/picture.h"

#include <QSet>
#include <QSqlQuery>

#include <set>

namespace {

// Every product with the range, company and status of its tree.
struct DeliveredProduct {
    ProductRow row;
    int companyId = 0;
    int categoryStatus = 0;
    int subCategoryStatus = 0;
};

std::vector<DeliveredProduct> allProducts(Database& db) {
    std::vector<DeliveredProduct> products;
    QSqlQuery q = db.exec(
        "select pic.id, pic.style, pic.stauts, pic.width, pic.height, pic.price, pic.danwei, "
        "pic.picurl, pic.l_img, pic.cpbh, pic.title, cailiao.comp_id, cailiao.stauts, "
        "xinghao.stauts, pic.xinghao_id from pic join xinghao on pic.xinghao_id = xinghao.id "
        "join cailiao on xinghao.cailiao_id = cailiao.id order by pic.id");
    while (q.next()) {
        DeliveredProduct p;
        p.row.id = q.value(0).toInt();
        p.row.kind = q.value(1).toInt();
        p.row.status = q.value(2).toInt();
        p.row.width = q.value(3).toDouble();
        p.row.height = q.value(4).toDouble();
        p.row.price = q.value(5).toDouble();
        p.row.unit = q.value(6).toString();
        p.row.infoUrl = q.value(7).toString();
        p.row.picture = q.value(8).toByteArray();
        p.row.productNumber = q.value(9).toString();
        p.row.title = q.value(10).toString();
        p.companyId = q.value(11).toInt();
        p.categoryStatus = q.value(12).toInt();
        p.subCategoryStatus = q.value(13).toInt();
        p.row.subCategoryId = q.value(14).toInt();
        products.push_back(p);
    }
    return products;
}

bool inVendorRange(int id) {
    return id >= VendorRangeFirst && id < GeneralRangeFirst;
}

bool inGeneralRange(int id) {
    return id >= GeneralRangeFirst && id < CustomRangeFirst;
}

} // namespace

using DeliveredCatalogue = DeliveredLibrary;

TEST_F(DeliveredCatalogue, EveryProductSitsInATreeOfItsRange) {
    const auto products = allProducts(library());
    const int orphans = library()
                            .scalar("select count(*) from pic where xinghao_id not in "
                                    "(select id from xinghao)")
                            .toInt();
    EXPECT_EQ(orphans, 0);
    EXPECT_EQ(int(products.size()), library().scalar("select count(*) from pic").toInt());
    for (const DeliveredProduct& p : products) {
        const bool vendor = inVendorRange(p.row.id);
        EXPECT_TRUE(vendor || inGeneralRange(p.row.id)) << p.row.id;
        EXPECT_EQ(vendor, inVendorRange(p.row.subCategoryId)) << p.row.id;
        EXPECT_EQ(p.companyId, vendor ? 0 : GeneralCompany) << p.row.id;
        // A category's or sub-category's status holds for all below it.
        if (p.categoryStatus != StatusNormal) {
            EXPECT_EQ(p.subCategoryStatus, p.categoryStatus) << p.row.id;
        }
        if (p.subCategoryStatus != StatusNormal) {
            EXPECT_EQ(p.row.status, p.subCategoryStatus) << p.row.id;
        }
    }
    const int strayCategories = library()
                                    .scalar("select count(*) from xinghao where cailiao_id not in "
                                            "(select id from cailiao)")
                                    .toInt();
    EXPECT_EQ(strayCategories, 0);
}

TEST_F(DeliveredCatalogue, EveryKindIsOfferedInBothRanges) {
    std::set<std::pair<bool, int>> offered;
    for (const DeliveredProduct& p : allProducts(library())) {
        if (p.row.status == StatusNormal) {
            offered.insert({inVendorRange(p.row.id), p.row.kind});
        }
    }
    for (const bool vendor : {true, false}) {
        for (int kind = KindSquarePanel; kind <= KindMark; ++kind) {
            EXPECT_TRUE(offered.count({vendor, kind}))
                << (vendor ? "vendor" : "general") << " range lacks kind " << kind;
        }
    }
}

TEST_F(DeliveredCatalogue, SizesUnitsAndPricesSuitTheirKinds) {
    std::set<std::pair<int, int>> squareSizes, applianceSizes;
    std::set<int> stripWidths;
    QSet<QByteArray> squareDesigns;
    int withAddress = 0, withNumber = 0, withQuote = 0;
    for (const DeliveredProduct& p : allProducts(library())) {
        const ProductRow& r = p.row;
        EXPECT_FALSE(r.title.trimmed().isEmpty());
        EXPECT_TRUE(QStringList({"片", "米", "个", "套"}).contains(r.unit)) << r.id;
        EXPECT_LE(r.productNumber.size(), 12) << r.id;
        EXPECT_LE(r.infoUrl.size(), 100) << r.id;
        EXPECT_EQ(r.price > 0, r.kind != KindMark) << r.id << " marks alone are free";
        withAddress += !r.infoUrl.isEmpty();
        withNumber += !r.productNumber.isEmpty();
        withQuote += r.title.contains(u'\'');
        switch (r.kind) {
        case KindSquarePanel:
            squareSizes.insert({int(r.width), int(r.height)});
            squareDesigns.insert(r.picture);
            EXPECT_EQ(r.unit, "片");
            break;
        case KindStrip:
            stripWidths.insert(int(r.height));
            EXPECT_EQ(r.unit, "米");
            break;
        case KindAppliance:
            applianceSizes.insert({int(r.width), int(r.height)});
            break;
        }
    }
    EXPECT_EQ(squareSizes, (std::set<std::pair<int, int>>{{300, 300}, {300, 600}, {600, 600}}));
    EXPECT_GE(squareDesigns.size(), 12);
    EXPECT_TRUE(stripWidths.count(100) && stripWidths.count(150) && stripWidths.count(200) &&
                stripWidths.count(300));
    EXPECT_EQ(applianceSizes, (std::set<std::pair<int, int>>{{300, 300}, {300, 600}, {600, 600}}));
    EXPECT_GE(withAddress, 3);
    EXPECT_GE(withNumber, 10);
    EXPECT_GE(withQuote, 2);
}

TEST_F(DeliveredCatalogue, PicturesAreBitmapsOfOnePixelPerFiveMillimetres) {
    for (const DeliveredProduct& p : allProducts(library())) {
        const ProductRow& r = p.row;
        ASSERT_TRUE(r.picture.startsWith("BM")) << r.id << " is a complete bitmap file";
        const QImage image = picture::readBmp(r.picture);
        ASSERT_FALSE(image.isNull()) << r.id;
        EXPECT_EQ(image.width(), int(r.width) * 2 / 10) << r.id;
        EXPECT_EQ(image.height(), int(r.height) * 2 / 10) << r.id;
    }
    const auto tall = ProductLibrary(library()).productByExactName("香槟金拉丝板 300×600");
    ASSERT_TRUE(tall);
    EXPECT_EQ(picture::readBmp(tall->picture).size(), QSize(60, 120));
}

// Floating products, other products and marks are drawn with the colour at (1, 1)
// transparent: their background is that colour throughout, and the piece itself is not.
TEST_F(DeliveredCatalogue, TransparentKindsHaveAUniformBackground) {
    int checked = 0;
    for (const DeliveredProduct& p : allProducts(library())) {
        const QImage image = picture::readBmp(p.row.picture);
        const QRgb key = image.pixel(1, 1);
        int background = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const bool border =
                    x < 2 || y < 2 || x >= image.width() - 2 || y >= image.height() - 2;
                const bool isKey = image.pixel(x, y) == key;
                background += isKey;
                if (p.row.kind >= KindFloating && border) {
                    ASSERT_TRUE(isKey) << p.row.id << " at " << x << "," << y;
                }
            }
        }
        const int area = image.width() * image.height();
        if (p.row.kind >= KindFloating) {
            EXPECT_LT(background, area * 98 / 100) << p.row.id << " shows a piece";
            ++checked;
        } else {
            EXPECT_LT(background, area) << p.row.id << " is patterned";
        }
    }
    EXPECT_GE(checked, 10);
}
