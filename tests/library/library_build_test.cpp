#include "catalogue/catalogue_tables.h"
#include "catalogue/library_writer.h"
#include "catalogue/program_data.h"
#include "library/library_schema.h"
#include "library/product_library.h"
#include "platform/database.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

int productCount(const QString& path) {
    Database db;
    return db.open(path) ? db.scalar("select count(*) from pic").toInt() : -1;
}

// A one-product range for the writer's checks.
CatalogueRange smallRange(int subCategoryId, Motif motif, const char* number) {
    return {GeneralRangeFirst,
            CustomRangeFirst - 1,
            GeneralCompany,
            {{50001,
              "测试分类",
              {{subCategoryId,
                "测试型号",
                KindSquarePanel,
                {{"测试方板",
                  300,
                  300,
                  10,
                  "片",
                  {motif, qRgb(200, 200, 200), qRgb(90, 90, 90)},
                  0,
                  number}}}}}}};
}

} // namespace

TEST(LibraryBuild, RebuildRestoresTheCatalogueAndKeepsTheDealersOwnProducts) {
    TempFolder home;
    program_data::build(home.path());
    const QString path = program_data::libraryPath(home.path());
    const int delivered = productCount(path);
    ASSERT_GT(delivered, 50);
    {
        Database db;
        ASSERT_TRUE(db.open(path));
        db.exec("insert into pic (id, xinghao_id, title, style) values (?, ?, ?, ?)",
                {100001, 100001, "客户自定义方板", 0});
        db.exec("insert into xinghao (id, xinghao, cailiao_id) values (?, ?, ?)",
                {100001, "自定义型号", 100001});
        db.exec("insert into cailiao (id, cailiao, comp_id) values (?, ?, ?)",
                {100001, "自定义产品", 2});
        db.exec("delete from pic where id = (select min(id) from pic)");
        db.exec("update pic set title = 'changed' where id < 100000");
    }
    ASSERT_EQ(productCount(path), delivered);
    buildLibraryFile(path);
    EXPECT_EQ(productCount(path), delivered + 1);
    Database db;
    ASSERT_TRUE(db.open(path));
    ProductLibrary library(db);
    const auto custom = library.productWithCategory(100001);
    ASSERT_TRUE(custom);
    EXPECT_EQ(custom->title, "客户自定义方板");
    EXPECT_EQ(custom->categoryId, 100001);
    EXPECT_EQ(db.scalar("select count(*) from pic where title = 'changed'").toInt(), 0);
    db.close();
    EXPECT_FALSE(QFile::exists(path + ".new"));
    QStringList files = QDir(home.file("数据文件")).entryList(QDir::Files);
    files.sort();
    EXPECT_EQ(files, (QStringList{"Userdb.data", "db.data", "sign.bmp"}));
    for (const char* folder : {"设计文件", "导出文件", "备份文件"}) {
        EXPECT_TRUE(QDir(home.file(folder)).exists()) << folder;
    }
}

TEST(LibraryBuild, AFailedBuildLeavesTheOldLibraryAlone) {
    TempFolder home;
    program_data::build(home.path());
    const QString path = program_data::libraryPath(home.path());
    const QByteArray before = fileBytes(path);
    // A folder where the temporary file would go makes the build fail.
    ASSERT_TRUE(QDir().mkpath(path + ".new/blocked"));
    EXPECT_ANY_THROW(buildLibraryFile(path));
    EXPECT_EQ(fileBytes(path), before);
}

TEST(LibraryBuild, WriterRejectsTablesThatBreakTheLibraryRules) {
    TempFolder home;
    int files = 0;
    auto writeFresh = [&](const CatalogueRange& range) {
        Database db;
        ASSERT_TRUE(db.create(home.file(QString::number(++files))));
        createLibrarySchema(db);
        writeCatalogue(db, range);
        const auto product = ProductLibrary(db).product(50401);
        ASSERT_TRUE(product);
        EXPECT_EQ(product->productNumber, "123456789012");
    };
    EXPECT_THROW(writeFresh(smallRange(49999, Motif::Brushed, "")), std::invalid_argument)
        << "a sub-category id outside the range";
    EXPECT_THROW(writeFresh(smallRange(50004, Motif::RoundLamp, "")), std::invalid_argument)
        << "a lamp picture for a square panel";
    EXPECT_THROW(writeFresh(smallRange(50004, Motif::Brushed, "1234567890123")),
                 std::invalid_argument)
        << "a product number over 12 characters";
    writeFresh(smallRange(50004, Motif::Brushed, "123456789012"));
}
