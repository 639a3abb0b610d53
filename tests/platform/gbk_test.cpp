#include "platform/gbk.h"

#include <gtest/gtest.h>

TEST(Gbk, RoundTripOfChineseAndAscii) {
    const QString text = QStringLiteral("砚舟集成吊顶 600×600 铝扣板, 客户: 张三");
    const QByteArray bytes = gbk::encode(text);
    EXPECT_EQ(gbk::encode(QStringLiteral("灯")), QByteArray("\xB5\xC6"));
    EXPECT_EQ(gbk::encode(QStringLiteral("方扣板")).size(), 6);
    EXPECT_EQ(gbk::decode(bytes), text);
    EXPECT_EQ(gbk::decode({}), QString());
}

TEST(Gbk, UnencodableCharactersBecomeQuestionMarks) {
    // An emoji and a Hangul syllable have no GBK form; the text around them survives.
    EXPECT_EQ(gbk::encode(QStringLiteral("a😀b한c")), QByteArray("a?b?c"));
    EXPECT_EQ(gbk::decode(gbk::encode(QStringLiteral("灯😀灯"))), QStringLiteral("灯?灯"));
}

TEST(Gbk, InvalidBytesDecodeToQuestionMarks) {
    // A lead byte before a newline, and a lone lead byte at the end.
    EXPECT_EQ(gbk::decode(QByteArray("a\x81\nb")), QStringLiteral("a?\nb"));
    EXPECT_EQ(gbk::decode(QByteArray("ab\xB5")), QStringLiteral("ab?"));
    EXPECT_EQ(gbk::decode(QByteArray("\xFF\xB5\xC6")), QStringLiteral("?灯"));
}
