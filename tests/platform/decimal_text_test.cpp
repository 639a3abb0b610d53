#include "platform/decimal_text.h"

#include <QString>
#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(DecimalText, IsTheShortestPlainDecimalForm) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {100000, "100000"},
        {123456.5, "123456.5"},
        {1e15, "1000000000000000"},
        {1e21, "1000000000000000000000"},
        {0.1, "0.1"},
        {0.1 + 0.2, "0.30000000000000004"},
        {1.25, "1.25"},
        {2.0, "2"},
        {0.00001, "0.00001"},
        {-3.5, "-3.5"},
        {-250000, "-250000"},
        {-0.0, "0"},
        {0, "0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(decimalText(c.value), QString::fromLatin1(c.text)) << c.text;
    }
}

TEST(DecimalText, ReadsBackAsTheSameValue) {
    const double values[] = {std::numeric_limits<double>::max(), 1.0 / 3, 2.0 / 3 * 1e7,
                             std::numeric_limits<double>::denorm_min()};
    for (const double value : values) {
        const QString text = decimalText(value);
        EXPECT_FALSE(text.contains(u'e')) << text.toStdString();
        EXPECT_EQ(text.toDouble(), value) << text.toStdString();
    }
}

} // namespace
