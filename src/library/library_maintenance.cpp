#include "library/library_maintenance.h"

#include "platform/database.h"

#include <QSqlQuery>

std::vector<CategoryRow> LibraryMaintenance::categoriesInRange(int first, int lastExclusive) const {
    const bool bounded = lastExclusive > 0;
    QSqlQuery q = bounded
                      ? db_.exec(QStringLiteral("select id, cailiao, comp_id, stauts from cailiao "
                                                "where id>=? and id<? order by id"),
                                 {first, lastExclusive})
                      : db_.exec(QStringLiteral("select id, cailiao, comp_id, stauts from cailiao "
                                                "where id>=? order by id"),
                                 {first});
    std::vector<CategoryRow> rows;
    while (q.next()) {
        rows.push_back(
            {q.value(0).toInt(), q.value(1).toString(), q.value(2).toInt(), q.value(3).toInt()});
    }
    return rows;
}

std::vector<SubCategoryRow> LibraryMaintenance::subCategoriesById(int categoryId) const {
    QSqlQuery q = db_.exec(QStringLiteral("select id, xinghao, cailiao_id, stauts from xinghao "
                                          "where cailiao_id=? order by id"),
                           {categoryId});
    std::vector<SubCategoryRow> rows;
    while (q.next()) {
        rows.push_back(
            {q.value(0).toInt(), q.value(1).toString(), q.value(2).toInt(), q.value(3).toInt()});
    }
    return rows;
}

void LibraryMaintenance::setCategoryStatus(int categoryId, int status) {
    Transaction t(db_);
    db_.exec(QStringLiteral("update xinghao set stauts=? where cailiao_id=?"),
             {status, categoryId});
    db_.exec(QStringLiteral("update pic set stauts=? where xinghao_id in "
                            "(select id from xinghao where cailiao_id=?)"),
             {status, categoryId});
    db_.exec(QStringLiteral("update cailiao set stauts=? where id=?"), {status, categoryId});
    t.commit();
}

void LibraryMaintenance::setSubCategoryStatus(int subCategoryId, int status) {
    Transaction t(db_);
    db_.exec(QStringLiteral("update pic set stauts=? where xinghao_id=?"), {status, subCategoryId});
    db_.exec(QStringLiteral("update xinghao set stauts=? where id=?"), {status, subCategoryId});
    t.commit();
}

void LibraryMaintenance::saveEdits(const std::vector<ProductEdit>& edits) {
    Transaction t(db_);
    for (const ProductEdit& e : edits) {
        db_.exec(QStringLiteral("update pic set price=?, danwei=?, stauts=? where id=?"),
                 {e.price, e.unit.trimmed(), e.status, e.id});
    }
    t.commit();
}

void LibraryMaintenance::setPrice(int id, double price) {
    db_.exec(QStringLiteral("update pic set price=? where id=?"), {price, id});
}

void LibraryMaintenance::storeCategory(int id, const QString& name) {
    if (db_.scalar(QStringLiteral("select id from cailiao where id=?"), {id}).isValid()) {
        db_.exec(QStringLiteral("update cailiao set cailiao=?, comp_id=? where id=?"),
                 {name, GeneralCompany, id});
    } else {
        db_.exec(QStringLiteral("insert into cailiao (id, cailiao, comp_id) values (?,?,?)"),
                 {id, name, GeneralCompany});
    }
}

void LibraryMaintenance::storeSubCategory(int id, const QString& name, int categoryId) {
    if (db_.scalar(QStringLiteral("select id from xinghao where id=?"), {id}).isValid()) {
        db_.exec(QStringLiteral("update xinghao set xinghao=?, cailiao_id=? where id=?"),
                 {name, categoryId, id});
    } else {
        db_.exec(QStringLiteral("insert into xinghao (id, xinghao, cailiao_id) values (?,?,?)"),
                 {id, name, categoryId});
    }
}

void LibraryMaintenance::insertProduct(int id, int subCategoryId, const CustomProductValues& v) {
    db_.exec(
        QStringLiteral("insert into pic (id, xinghao_id, title, width, height, style, "
                       "picurl, l_img) values (?,?,?,?,?,?,?,?)"),
        {id, subCategoryId, v.name, v.width, v.height, v.kind, v.infoAddress.trimmed(), v.picture});
}

void LibraryMaintenance::updateProduct(int id, const CustomProductValues& v) {
    db_.exec(QStringLiteral("update pic set title=?, width=?, height=?, style=?, picurl=?, "
                            "l_img=? where id=?"),
             {v.name, v.width, v.height, v.kind, v.infoAddress.trimmed(), v.picture, id});
}

void LibraryMaintenance::deleteCategory(int categoryId) {
    Transaction t(db_);
    db_.exec(QStringLiteral("delete from pic where xinghao_id in "
                            "(select id from xinghao where cailiao_id=?)"),
             {categoryId});
    db_.exec(QStringLiteral("delete from xinghao where cailiao_id=?"), {categoryId});
    db_.exec(QStringLiteral("delete from cailiao where id=?"), {categoryId});
    t.commit();
}

void LibraryMaintenance::deleteSubCategory(int subCategoryId) {
    Transaction t(db_);
    db_.exec(QStringLiteral("delete from pic where xinghao_id=?"), {subCategoryId});
    db_.exec(QStringLiteral("delete from xinghao where id=?"), {subCategoryId});
    t.commit();
}

void LibraryMaintenance::deleteProduct(int id) {
    db_.exec(QStringLiteral("delete from pic where id=?"), {id});
}

int LibraryMaintenance::highestId(const QString& table) const {
    // The table is one of three fixed names, never user text.
    Q_ASSERT(table == u"cailiao" || table == u"xinghao" || table == u"pic");
    return db_.scalar(QStringLiteral("select max(id) from ") + table).toInt();
}
