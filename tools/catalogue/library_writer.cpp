#include "catalogue/library_writer.h"

#include "catalogue/product_picture.h"
#include "library/library_schema.h"
#include "library/product_library.h"
#include "platform/database.h"
#include "platform/picture.h"

#include <QFile>
#include <QSqlQuery>
#include <QStringList>

#include <filesystem>
#include <stdexcept>

namespace {

// Revision of the delivered products, read by the online update.
constexpr int DeliveredRevision = 1;
constexpr int ProductNumberLength = 12;
constexpr int InfoAddressLength = 100;

void checkId(const CatalogueRange& range, int id, const char* what) {
    if (id < range.firstId || id > range.lastId) {
        throw std::invalid_argument(std::string(what) + " id " + std::to_string(id) +
                                    " lies outside its range");
    }
}

// A status other than normal on a category applies to everything below it.
int inherited(int parentStatus, int ownStatus) {
    return parentStatus != 0 ? parentStatus : ownStatus;
}

void writeProduct(Database& library, const CatalogueRange& range, const SubCategoryEntry& sub,
                  int index, int status) {
    const ProductEntry& product = sub.products[index];
    const int id = productId(range, sub, index);
    checkId(range, id, "product");
    if (kindOfMotif(product.look.motif) != sub.kind) {
        throw std::invalid_argument(std::string("the picture of ") + product.title +
                                    " belongs to another kind");
    }
    const QString number = QString::fromUtf8(product.number);
    const QString address = QString::fromUtf8(product.infoAddress);
    if (number.size() > ProductNumberLength || address.size() > InfoAddressLength) {
        throw std::invalid_argument(std::string("product number or address too long: ") +
                                    product.title);
    }
    const QByteArray bmp = picture::writeBmp(drawProductPicture(product, quint32(id)));
    if (bmp.isEmpty()) {
        throw std::runtime_error(std::string("cannot encode the picture of ") + product.title);
    }
    library.exec(QStringLiteral("insert into pic (id, xinghao_id, title, style, stauts, width, "
                                "height, price, danwei, picurl, l_img, cpbh, life) "
                                "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                 {id, sub.id, QString::fromUtf8(product.title), sub.kind,
                  inherited(status, product.status), product.widthMm, product.heightMm,
                  product.price, QString::fromUtf8(product.unit), address, bmp, number,
                  DeliveredRevision});
}

} // namespace

void writeCatalogue(Database& library, const CatalogueRange& range) {
    for (const CategoryEntry& category : range.categories) {
        checkId(range, category.id, "category");
        library.exec(
            QStringLiteral(
                "insert into cailiao (id, cailiao, comp_id, stauts) values (?, ?, ?, ?)"),
            {category.id, QString::fromUtf8(category.name), range.companyId, category.status});
        for (const SubCategoryEntry& sub : category.subCategories) {
            checkId(range, sub.id, "sub-category");
            const int status = inherited(category.status, sub.status);
            library.exec(
                QStringLiteral(
                    "insert into xinghao (id, xinghao, cailiao_id, stauts) values (?, ?, ?, ?)"),
                {sub.id, QString::fromUtf8(sub.name), category.id, status});
            if (sub.products.size() > 99) {
                throw std::invalid_argument(std::string("too many products in ") + sub.name);
            }
            for (int i = 0; i < int(sub.products.size()); ++i) {
                writeProduct(library, range, sub, i, status);
            }
        }
    }
}

namespace {

// The columns of `table` in the attached old library that the new table also has.
QStringList sharedColumns(Database& library, const QString& table) {
    QStringList columns;
    QSqlQuery q =
        library.exec(QStringLiteral("select name from pragma_table_info(?, 'old')"), {table});
    while (q.next()) {
        const QString name = q.value(0).toString();
        if (library.hasColumn(table, name)) {
            columns << name;
        }
    }
    return columns;
}

// The dealer's own categories, sub-categories and products (the custom range) survive a
// rebuild of the delivered catalogue: they are copied from the old library.
void carryCustomRange(Database& library, const QString& oldPath) {
    if (!QFile::exists(oldPath)) {
        return;
    }
    library.exec(QStringLiteral("attach database ? as old"), {oldPath});
    try {
        Transaction t(library);
        for (const QString& table :
             {QStringLiteral("cailiao"), QStringLiteral("xinghao"), QStringLiteral("pic")}) {
            const QString columns = sharedColumns(library, table).join(u',');
            if (columns.isEmpty()) {
                continue;
            }
            // Table and column names come from the schemas, never from the user.
            library.exec(QStringLiteral("insert into main.%1 (%2) select %2 from old.%1 "
                                        "where id >= ?")
                             .arg(table, columns),
                         {CustomRangeFirst});
        }
        t.commit();
    } catch (...) {
        library.exec(QStringLiteral("detach database old"));
        throw;
    }
    library.exec(QStringLiteral("detach database old"));
}

} // namespace

void buildLibraryFile(const QString& path) {
    const QString temporary = path + QStringLiteral(".new");
    QFile::remove(temporary);
    try {
        Database library;
        QString error;
        if (!library.create(temporary, &error)) {
            throw std::runtime_error(error.toStdString());
        }
        Transaction t(library);
        createLibrarySchema(library);
        writeCatalogue(library, vendorCatalogue());
        writeCatalogue(library, generalCatalogue());
        t.commit();
        carryCustomRange(library, path);
    } catch (...) {
        QFile::remove(temporary);
        throw;
    }
    // rename() replaces the old library atomically: a reader sees the old or the new one.
    std::error_code failure;
    std::filesystem::rename(temporary.toStdU16String(), path.toStdU16String(), failure);
    if (failure) {
        QFile::remove(temporary);
        throw std::runtime_error("cannot replace " + path.toStdString() + ": " + failure.message());
    }
}
