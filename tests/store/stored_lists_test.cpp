#include "store/stored_lists.h"
#include "support/scripted_prompts.h"

#include <gtest/gtest.h>

namespace {

QList<Ppdu_id> sampleLines() {
    return {
        Ppdu_id{QStringLiteral("方板 300"), 1001, 1, 0, 35.5, 12, 300, 300, QStringLiteral("块")},
        Ppdu_id{QStringLiteral("条板"), 1002, 1, 1, 22, 0, -1, -1, QStringLiteral("米")},
        Ppdu_id{QStringLiteral("排气扇"), 1003, 2, 2, 199.9, 2.5, -1, -1, QString()}};
}

} // namespace

TEST(StoredLists, BillLinesAndItemsKeepEveryStoredFieldInTheirByteLayout) {
    const QByteArray bytes = stored_lists::encodeBillLines(sampleLines());
    // Title length, title (GBK: two bytes per character), id, kind, quantity, price,
    // category, unit length, unit, marker.
    ASSERT_EQ(bytes.left(4), QByteArray::fromHex("08000000"));
    EXPECT_EQ(bytes.mid(4, 8), QByteArray::fromHex("b7bdb0e520333030"));
    EXPECT_EQ(bytes.mid(12, 4), QByteArray::fromHex("e9030000"));
    const qsizetype firstEnd = 4 + 8 + 4 + 4 + 8 + 8 + 4 + 4 + 2;
    EXPECT_EQ(bytes.mid(firstEnd, 4), QByteArray::fromHex("ee00eeee"));

    ScriptedPrompts prompts;
    const QList<Ppdu_id> lines = stored_lists::decodeBillLines(bytes, &prompts);
    ASSERT_EQ(lines.size(), 2) << "a line of quantity 0 is not stored";
    EXPECT_EQ(lines[0].title, QStringLiteral("方板 300"));
    EXPECT_EQ(lines[0].price, 35.5);
    EXPECT_EQ(lines[0].number, 12);
    EXPECT_EQ(lines[0].width, -1) << "sizes are not stored";
    EXPECT_EQ(lines[1].id, 1003);
    EXPECT_EQ(lines[1].number, 2.5);
    EXPECT_EQ(lines[1].danwei, QString());
    EXPECT_TRUE(prompts.shown.isEmpty());

    const QList<otherrec> items{{5, 3, QStringLiteral("吊杆"), QStringLiteral("根"), -4, 4, 2.25}};
    const QByteArray itemBytes = stored_lists::encodeOtherItems(items);
    EXPECT_EQ(itemBytes.size(), 4 + 4 + 4 + 4 + 4 + 8 + 4 + 4 + 2 + 4);
    const QList<otherrec> read = stored_lists::decodeOtherItems(itemBytes, &prompts);
    ASSERT_EQ(read.size(), 1);
    EXPECT_EQ(read[0].number, -4);
    EXPECT_EQ(read[0].price, 2.25);
    EXPECT_EQ(read[0].cailiao_id, 3);
    EXPECT_TRUE(stored_lists::encodeOtherItems({}).isEmpty());
}

TEST(StoredLists, DamageEndsTheListWithAMessageAndKeepsTheEntriesBeforeIt) {
    const QByteArray whole = stored_lists::encodeBillLines(sampleLines());
    const qsizetype firstEntry = whole.indexOf(QByteArray::fromHex("ee00eeee")) + 4;
    QByteArray badMarker = whole;
    badMarker[badMarker.size() - 1] = char(0xEF);
    QByteArray hugeTitle = whole;
    hugeTitle.replace(firstEntry, 4, QByteArray::fromHex("ffffff7f"));
    QByteArray negativeTitle = whole;
    negativeTitle.replace(firstEntry, 4, QByteArray::fromHex("f6ffffff"));

    const struct {
        const char* what;
        QByteArray bytes;
        int kept;
        bool message;
    } cases[] = {
        {"whole", whole, 2, false},
        {"bad marker on the second entry", badMarker, 1, true},
        {"cut inside the second entry", whole.left(whole.size() - 9), 1, true},
        {"cut inside the first title", whole.left(6), 0, true},
        {"a title longer than the bytes left", hugeTitle, 1, true},
        {"a negative title length", negativeTitle, 1, true},
        {"empty", QByteArray(), 0, false},
    };
    for (const auto& c : cases) {
        ScriptedPrompts prompts;
        const QList<Ppdu_id> lines = stored_lists::decodeBillLines(c.bytes, &prompts);
        EXPECT_EQ(lines.size(), c.kept) << c.what;
        EXPECT_EQ(prompts.messages(), c.message ? QStringList({"数据错误!"}) : QStringList())
            << c.what;
        if (!lines.isEmpty()) {
            EXPECT_EQ(lines[0].title, QStringLiteral("方板 300")) << c.what;
        }
    }
}
