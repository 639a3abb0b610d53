#include "library/product_library.h"

#include "platform/database.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace {

QVariant field(const QSqlQuery& q, const QSqlRecord& r, const char* name) {
    int index = r.indexOf(QLatin1String(name));
    return index < 0 ? QVariant() : q.value(index);
}

ProductRow readProduct(const QSqlQuery& q) {
    const QSqlRecord r = q.record();
    ProductRow p;
    p.id = field(q, r, "id").toInt();
    p.subCategoryId = field(q, r, "xinghao_id").toInt();
    QVariant category = field(q, r, "cailiao_id");
    p.categoryId = category.isNull() ? -1 : category.toInt();
    p.title = field(q, r, "title").toString();
    p.kind = field(q, r, "style").toInt();
    p.status = field(q, r, "stauts").toInt();
    p.width = field(q, r, "width").toDouble();
    p.height = field(q, r, "height").toDouble();
    p.price = field(q, r, "price").toDouble();
    p.unit = field(q, r, "danwei").toString();
    p.infoUrl = field(q, r, "picurl").toString();
    p.picture = field(q, r, "l_img").toByteArray();
    p.productNumber = field(q, r, "cpbh").toString();
    p.life = field(q, r, "life").toInt();
    return p;
}

std::vector<ProductRow> readProducts(QSqlQuery q) {
    std::vector<ProductRow> rows;
    while (q.next()) {
        rows.push_back(readProduct(q));
    }
    return rows;
}

std::optional<ProductRow> firstProduct(QSqlQuery q) {
    if (!q.next()) {
        return std::nullopt;
    }
    return readProduct(q);
}

} // namespace

QString statusFilterClause(const StatusFilter& filter) {
    QString clause;
    if (filter.normal) {
        clause = QStringLiteral(" and ((stauts=0)");
    }
    if (filter.outOfStock) {
        clause = clause.isEmpty() ? QStringLiteral(" and ((stauts=2)")
                                  : clause + QStringLiteral(" or (stauts=2)");
    }
    if (filter.discontinued) {
        clause = clause.isEmpty() ? QStringLiteral(" and ((stauts=1)")
                                  : clause + QStringLiteral(" or (stauts=1)");
    }
    if (!clause.isEmpty()) {
        clause += u')';
    }
    return clause;
}

std::vector<CategoryRow> ProductLibrary::topCategories(int company,
                                                       const StatusFilter& filter) const {
    QSqlQuery q = db_.exec(QStringLiteral("select * from cailiao where comp_id=?") +
                               statusFilterClause(filter) + QStringLiteral(" order by cailiao"),
                           {company});
    std::vector<CategoryRow> rows;
    while (q.next()) {
        const QSqlRecord r = q.record();
        rows.push_back({field(q, r, "id").toInt(), field(q, r, "cailiao").toString(),
                        field(q, r, "comp_id").toInt(), field(q, r, "stauts").toInt()});
    }
    return rows;
}

std::vector<SubCategoryRow> ProductLibrary::subCategories(int categoryId,
                                                          const StatusFilter& filter) const {
    QSqlQuery q = db_.exec(QStringLiteral("select * from xinghao where cailiao_id=?") +
                               statusFilterClause(filter) + QStringLiteral(" order by xinghao"),
                           {categoryId});
    std::vector<SubCategoryRow> rows;
    while (q.next()) {
        const QSqlRecord r = q.record();
        rows.push_back({field(q, r, "id").toInt(), field(q, r, "xinghao").toString(),
                        field(q, r, "cailiao_id").toInt(), field(q, r, "stauts").toInt()});
    }
    return rows;
}

std::vector<ProductRow> ProductLibrary::productsOfSubCategory(int subCategoryId,
                                                              const StatusFilter& filter) const {
    return readProducts(db_.exec(QStringLiteral("select * from pic where xinghao_id=?") +
                                     statusFilterClause(filter) + QStringLiteral(" order by title"),
                                 {subCategoryId}));
}

std::vector<ProductRow> ProductLibrary::searchByName(const QString& text,
                                                     const StatusFilter& filter) const {
    return readProducts(
        db_.exec(QStringLiteral("select * from pic where title like ? escape '\\'") +
                     statusFilterClause(filter) + QStringLiteral(" order by title"),
                 {containsPattern(text)}));
}

std::optional<ProductRow> ProductLibrary::productWithCategory(int id) const {
    return firstProduct(db_.exec(QStringLiteral("select * from pic_view where id=?"), {id}));
}

std::optional<ProductRow> ProductLibrary::product(int id) const {
    return firstProduct(db_.exec(QStringLiteral("select * from pic where id=?"), {id}));
}

std::vector<CategoryRow> ProductLibrary::allCategories() const {
    QSqlQuery q = db_.exec(QStringLiteral("select * from cailiao"));
    std::vector<CategoryRow> rows;
    while (q.next()) {
        const QSqlRecord r = q.record();
        rows.push_back({field(q, r, "id").toInt(), field(q, r, "cailiao").toString(),
                        field(q, r, "comp_id").toInt(), field(q, r, "stauts").toInt()});
    }
    return rows;
}

std::optional<ProductRow> ProductLibrary::productByExactName(const QString& name) const {
    return firstProduct(db_.exec(QStringLiteral("select * from pic_view where title=?"), {name}));
}

QString ProductLibrary::subCategoryNameOfProduct(int productId) const {
    QVariant name = db_.scalar(QStringLiteral("select xinghao,id from xinghao where id in "
                                              "( select xinghao_id from pic where  pic.id=?)"),
                               {productId});
    return name.isValid() ? name.toString() : QStringLiteral("---");
}
