#include "platform/database.h"
#include "store/customer_store.h"
#include "store/name_list_editor.h"
#include "store/store_schema.h"
#include "support/scripted_prompts.h"
#include "support/test_database.h"

#include <gtest/gtest.h>

namespace {

// The texts and the customer column of each list.
struct ListCase {
    NameList list;
    const char* table;
    const char* addPrompt;
    const char* renamePrompt;
    const char* emptyName;
    const char* refusal;
    const char* confirmDelete;
};

const ListCase cases[] = {
    {NameList::Areas, "arealist", "input:输入|新小区名:", "input:输入|小区名:", "小区名不能为空！",
     "记录,您不能删除小区", "confirm:您是否确定删除小区："},
    {NameList::Handlers, "workerlist", "input:输入|新经办人:", "input:输入|经办人:",
     "经办人名不能为空！", "记录,您不能删除经纪人", "confirm:您是否确定删除经办人："},
};

// Each list on each engine.
class NameLists : public ::testing::TestWithParam<std::tuple<ListCase, Engine>> {
protected:
    void SetUp() override {
        OPEN_TEST_DATABASE_OR_SKIP(home, db);
        createStoreSchema(db);
    }

    static const ListCase& listCase() { return std::get<0>(GetParam()); }

    QStringList stored() {
        QStringList names;
        for (const NamedEntry& entry : store.names(listCase().list)) {
            names << entry.name;
        }
        return names;
    }

    TestDatabase home{std::get<1>(GetParam())};
    Database db;
    CustomerStore store{db};
    ScriptedPrompts prompts;
};

QStringList shownNames(const NameListEditor& editor) {
    QStringList names;
    for (const NamedEntry& entry : editor.entries()) {
        names << entry.name;
    }
    return names;
}

} // namespace

TEST_P(NameLists, AddRefusesEmptyAndExistingNamesWhateverTheirSurroundingSpaces) {
    const ListCase& c = listCase();
    NameListEditor editor(store, prompts, c.list);
    editor.load();
    prompts.answerText(QStringLiteral("  翠湖 "));
    prompts.answerText(QStringLiteral("O'Neil 园"));
    ASSERT_TRUE(editor.add());
    ASSERT_TRUE(editor.add());
    EXPECT_EQ(shownNames(editor), QStringList({"翠湖", "O'Neil 园"}));
    EXPECT_EQ(stored(), shownNames(editor)) << "a quote in a name is stored as it is";
    EXPECT_EQ(editor.entries()[1].id, store.nameId(c.list, QStringLiteral("O'Neil 园")));

    prompts.shown.clear();
    prompts.answerText(QStringLiteral("翠湖   "));
    prompts.answerText(QStringLiteral("   "));
    prompts.answerCancel();
    EXPECT_FALSE(editor.add());
    EXPECT_FALSE(editor.add());
    EXPECT_FALSE(editor.add());
    EXPECT_EQ(prompts.shown, QStringList({c.addPrompt, "message:翠湖 已经存在.", c.addPrompt,
                                          QStringLiteral("message:") + c.emptyName, c.addPrompt}));
    EXPECT_EQ(stored(), QStringList({"翠湖", "O'Neil 园"}));
    EXPECT_EQ(store.nameChoices(c.list), QStringList({"    ", "翠湖", "O'Neil 园"}));
}

TEST_P(NameLists, RenameAcceptsAnotherEntrysNameAndCustomersFollowTheirEntry) {
    const ListCase& c = listCase();
    const qint32 first = store.addName(c.list, QStringLiteral("翠湖"));
    const qint32 second = store.addName(c.list, QStringLiteral("东园"));
    CustomerRecord customer;
    (c.list == NameList::Areas ? customer.areaId : customer.worker) = second;
    const qint32 customerId = store.insertCustomer(customer);

    NameListEditor editor(store, prompts, c.list);
    editor.load();
    prompts.answerText(QStringLiteral("翠湖"));
    prompts.answerText(QString());
    prompts.answerCancel();
    EXPECT_TRUE(editor.rename(1));
    EXPECT_FALSE(editor.rename(0)) << "an empty name is refused";
    EXPECT_FALSE(editor.rename(0));
    EXPECT_FALSE(editor.rename(2)) << "no entry there";
    EXPECT_EQ(prompts.messages(), QStringList({c.emptyName}));
    EXPECT_EQ(stored(), QStringList({"翠湖", "翠湖"}));
    EXPECT_EQ(shownNames(editor), stored());
    EXPECT_EQ(editor.entries()[0].id, first);

    const CustomerRecord read = *store.customer(customerId);
    EXPECT_EQ(c.list == NameList::Areas ? read.areaTitle : read.workerName, "翠湖");
    EXPECT_EQ(c.list == NameList::Areas ? read.areaId : read.worker, second);
}

TEST_P(NameLists, DeleteIsRefusedWhileAnyCompanysCustomerRefersToTheEntry) {
    const ListCase& c = listCase();
    store.addName(c.list, QStringLiteral("翠湖"));
    const qint32 used = store.addName(c.list, QStringLiteral("东园"));
    for (int compid : {0, 7}) {
        CustomerRecord customer;
        customer.compid = compid;
        (c.list == NameList::Areas ? customer.areaId : customer.worker) = used;
        store.insertCustomer(customer);
    }
    NameListEditor editor(store, prompts, c.list);
    editor.load();
    EXPECT_FALSE(editor.remove(1));
    EXPECT_EQ(prompts.shown,
              QStringList({QStringLiteral("message:客户库中有2条 东园") + c.refusal}));

    // One customer, of another company, is enough.
    db.exec(QStringLiteral("delete from userlist where Compid = 0"));
    prompts.shown.clear();
    EXPECT_FALSE(editor.remove(1));
    EXPECT_EQ(prompts.messages(), QStringList({QStringLiteral("客户库中有1条 东园") + c.refusal}));
    EXPECT_EQ(stored(), QStringList({"翠湖", "东园"}));

    prompts.shown.clear();
    prompts.answerConfirm(false);
    prompts.answerConfirm(true);
    EXPECT_FALSE(editor.remove(0));
    EXPECT_EQ(stored(), QStringList({"翠湖", "东园"}));
    EXPECT_TRUE(editor.remove(0));
    EXPECT_EQ(prompts.shown, QStringList({QStringLiteral("%1翠湖？").arg(c.confirmDelete),
                                          QStringLiteral("%1翠湖？").arg(c.confirmDelete)}));
    EXPECT_EQ(stored(), QStringList({"东园"}));
    EXPECT_EQ(shownNames(editor), stored());
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from ") + c.table).toInt(), 1);
}

INSTANTIATE_TEST_SUITE_P(AreasAndHandlers, NameLists,
                         ::testing::Combine(::testing::ValuesIn(cases),
                                            ::testing::Values(Engine::SQLite, Engine::PostgreSQL)),
                         [](const auto& info) {
                             const bool areas = std::get<0>(info.param).list == NameList::Areas;
                             return std::string(areas ? "Areas" : "Handlers") +
                                    engineName({std::get<1>(info.param), info.index});
                         });
