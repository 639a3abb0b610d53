#include "delivered_library.h"
#include "library/library_reset.h"
#include "library/product_library.h"
#include "support/scripted_prompts.h"

#include <QFile>
#include <QSqlQuery>

namespace {

// Every id of the three tables, per table, from a copy of the delivered library that
// also holds the user's own records.
class LibraryReset : public DeliveredLibrary {
protected:
    void SetUp() override {
        copy = home.file(QStringLiteral("db.data"));
        ASSERT_TRUE(QFile::copy(library().path(), copy));
        ASSERT_TRUE(db.open(copy));
        db.exec("insert into cailiao (id, cailiao, comp_id) values (100000, '自定义', 2), "
                "(100001, '自定义二', 2)");
        db.exec("insert into xinghao (id, xinghao, cailiao_id) values (100001, '型号', 100001), "
                "(100002, '挂在原分类', 1)");
        db.exec("insert into pic (id, xinghao_id, title, style) values (100001, 100001, '板', 0), "
                "(250000, 100002, '灯', 2)");
    }

    std::vector<int> ids(const char* table) {
        std::vector<int> result;
        QSqlQuery q = db.exec(QStringLiteral("select id from %1 order by id").arg(table));
        while (q.next()) {
            result.push_back(q.value(0).toInt());
        }
        return result;
    }

    TempFolder home;
    QString copy;
    Database db;
    ScriptedPrompts prompts;
};

} // namespace

TEST_F(LibraryReset, EmptyingRemovesTheDeliveredRangesAndKeepsEveryRecordFrom100000) {
    for (const char* table : {"cailiao", "xinghao", "pic"}) {
        ASSERT_LT(ids(table).front(), GeneralRangeFirst) << table;
        ASSERT_GE(ids(table)[ids(table).size() - 3], GeneralRangeFirst) << table;
    }
    prompts.answerConfirm(false);
    EXPECT_FALSE(emptyForNewDownload(db, prompts));
    EXPECT_GT(ids("pic").size(), 2u);

    prompts.answerConfirm(true);
    EXPECT_TRUE(emptyForNewDownload(db, prompts));
    EXPECT_EQ(prompts.shown,
              QStringList({"confirm:是否删除所有产品然后升级产品库?",
                           "confirm:是否删除所有产品然后升级产品库?", "message:企业产品库已清空"}));
    EXPECT_EQ(ids("cailiao"), std::vector<int>({100000, 100001}));
    EXPECT_EQ(ids("xinghao"), std::vector<int>({100001, 100002}));
    EXPECT_EQ(ids("pic"), std::vector<int>({100001, 250000}));
}

TEST_F(LibraryReset, AFailingDeleteLeavesEveryTableAsItWas) {
    const std::vector<int> before = ids("cailiao");
    // The product table cannot be written: the two deletes before it are undone.
    db.exec("create trigger keep before delete on pic begin select raise(abort, 'kept'); end");
    prompts.answerConfirm(true);
    EXPECT_THROW(emptyForNewDownload(db, prompts), DatabaseError);
    EXPECT_EQ(ids("cailiao"), before);
    EXPECT_EQ(prompts.messages(), QStringList());
}
