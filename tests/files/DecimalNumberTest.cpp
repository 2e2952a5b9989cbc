#include "files/DecimalNumber.h"

#include <QString>

#include <gtest/gtest.h>

namespace tunbox {
namespace {

TEST(ParseDecimalLine, SignedDecimalIntegersOnly) {
    struct Case {
        const char16_t* text;
        std::optional<qint32> value;
    };
    const Case cases[] = {
        {u"0", 0},
        {u"255", 255},
        {u"300", 300},
        {u"-1", -1},
        {u"+7", 7},
        {u"007", 7},
        {u" 12\t", 12},
        {u"\u00A012", std::nullopt}, // a no-break space is no blank here
        {u"2147483647", 2147483647},
        {u"-2147483648", -2147483647 - 1},
        {u"2147483648", std::nullopt},
        {u"-2147483649", std::nullopt},
        {u"99999999999999999999", std::nullopt},
        {u"", std::nullopt},
        {u" ", std::nullopt},
        {u"-", std::nullopt},
        {u"1 2", std::nullopt},
        {u"0x1F", std::nullopt},
        {u"$1F", std::nullopt},
        {u"1.0", std::nullopt},
        {u"\u0661", std::nullopt},  // an Arabic-Indic digit one
        {u"\uFEFF1", std::nullopt}, // a byte-order mark before the number
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseDecimalLine(QStringView(c.text)), c.value)
            << QStringView(c.text).toString().toStdString();
}

} // namespace
} // namespace tunbox
