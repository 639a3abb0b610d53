#include "platform/pinyin_keys.h"
#include "platform/pinyin_order.h"

#include <gtest/gtest.h>

namespace {

bool spells(const PinyinKeys& keys, const char* typed) {
    return keys.spells(typedPinyin(QString::fromLatin1(typed)));
}

struct Spelled {
    const char16_t* name;
    const char* initials;
    const char* full;
    std::vector<const char*> alsoSpelledBy; // other readings, mixes, case
};

TEST(PinyinKeys, NamesSpellTheirInitialsFullPinyinAndEveryCommonReading) {
    const Spelled table[] = {
        {u"张三", "zs", "zhangsan", {"zhangs", "ZS", "Zhang San", "san", "zhsan"}},
        {u"曾国藩", "cgf", "cengguofan", {"zengguofan", "zgf", "zguof"}},
        {u"单田芳", "dtf", "dantianfang", {"shantianfang", "stf"}},
        {u"重阳", "zy", "zhongyang", {"chongyang", "cy"}},
        {u"朴树", "ps", "pushu", {"piaoshu", "piaos"}},
        {u"Tom张", "tomz", "tomzhang", {"TOMZ", "tomzhang", "mzh"}},
        {u"李 A-3", "la3", "lia3", {"li", "a3"}},
    };
    for (const Spelled& row : table) {
        const QString name = QString::fromUtf16(row.name);
        SCOPED_TRACE(name.toStdString());
        const PinyinKeys keys(name);
        EXPECT_EQ(keys.initials(), QLatin1String(row.initials));
        EXPECT_EQ(keys.full(), QLatin1String(row.full));
        EXPECT_TRUE(spells(keys, row.initials));
        EXPECT_TRUE(spells(keys, row.full));
        for (const char* typed : row.alsoSpelledBy) {
            EXPECT_TRUE(spells(keys, typed)) << typed;
        }
    }
    // Letters beyond the name, out of order or matching no reading spell nothing.
    const PinyinKeys zhangSan(QStringLiteral("张三"));
    for (const char* typed : {"zsx", "sz", "zhangsanx", "x", "", "  "}) {
        EXPECT_FALSE(spells(zhangSan, typed)) << typed;
    }
    EXPECT_FALSE(spells(PinyinKeys(QStringLiteral("单田芳")), "ztf"));
}

TEST(PinyinKeys, OnlyLatinTextIsTriedAsPinyin) {
    EXPECT_TRUE(couldBePinyin(u"zs"));
    EXPECT_TRUE(couldBePinyin(u"Zhang San2"));
    EXPECT_FALSE(couldBePinyin(u"张"));
    EXPECT_FALSE(couldBePinyin(u"138"));
    EXPECT_FALSE(couldBePinyin(u"z%"));
    EXPECT_FALSE(couldBePinyin(u""));
}

TEST(PinyinOrder, NamesSortByTheirPinyin) {
    QStringList names{QStringLiteral("王五"), QStringLiteral("张三"), QStringLiteral("Bob"),
                      QStringLiteral("李四"), QStringLiteral("阿明"), QStringLiteral("陈10"),
                      QStringLiteral("陈9")};
    sortInPinyinOrder(names);
    // The Chinese collation puts Chinese names before Latin ones.
    const QStringList expected{QStringLiteral("阿明"), QStringLiteral("陈9"),
                               QStringLiteral("陈10"), QStringLiteral("李四"),
                               QStringLiteral("王五"), QStringLiteral("张三"),
                               QStringLiteral("Bob")};
    EXPECT_EQ(names, expected);
}

} // namespace
