#include "core/int_conversion.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

void ExpectValue(std::u16string_view text, std::int32_t expected)
{
    SCOPED_TRACE(std::string(text.begin(), text.end()));
    EXPECT_EQ(core::TryStrToInt(text), expected);
    EXPECT_EQ(core::StrToInt(text), expected);
}

void ExpectInvalid(std::u16string_view text)
{
    SCOPED_TRACE(std::string(text.begin(), text.end()));
    EXPECT_EQ(core::TryStrToInt(text), std::nullopt);
    try {
        core::StrToInt(text);
        ADD_FAILURE() << "no error";
    } catch (const core::Error& error) {
        EXPECT_EQ(error.Message(), u"'" + std::u16string(text) + u"' is not a valid integer value");
    }
}

}  // namespace

TEST(IntConversion, AcceptsEveryNotationOfTen)
{
    for (std::u16string_view text : {u"10", u"$A", u"$a", u"x0a", u"X0A", u"0x0a", u"0X0A", u"+10", u"010",
                                     u"  +$A", u"0000000000000000000010"}) {
        ExpectValue(text, 10);
    }
}

TEST(IntConversion, SkipsOnlyLeadingBlanks)
{
    ExpectValue(u" 7", 7);
    ExpectInvalid(u"7 ");
    ExpectInvalid(u"\t7");
    ExpectInvalid(u"\u00A07");
    ExpectInvalid(u"- 7");
    ExpectInvalid(u"7x");
    ExpectInvalid(std::u16string(u"7\0", 2));
}

TEST(IntConversion, RefusesTextsWithoutDigits)
{
    for (std::u16string_view text : {u"", u"   ", u"-", u"+", u"--1", u"+-1", u"$", u"x", u"0x", u"-0X", u"$G",
                                     u"00x1", u"$-1", u"abc", u"\uFF17"}) {
        ExpectInvalid(text);
    }
}

TEST(IntConversion, DecimalCoversTheSigned32BitRange)
{
    ExpectValue(u"80000000", 80000000);
    ExpectValue(u"2147483647", INT32_MAX);
    ExpectValue(u"-2147483648", INT32_MIN);
    ExpectValue(u"-0", 0);
    ExpectInvalid(u"2147483648");
    ExpectInvalid(u"-2147483649");
    ExpectInvalid(u"99999999999999999999999999999999999999999");
    ExpectInvalid(u"-" + std::u16string(5000, u'9'));
}

TEST(IntConversion, HexadecimalIsTwosComplementAndNegatedBySign)
{
    ExpectValue(u"$7FFFFFFF", INT32_MAX);
    ExpectValue(u"$80000000", INT32_MIN);
    ExpectValue(u"$FFFFFFFF", -1);
    ExpectValue(u"0x00000000FFFFFFFF", -1);
    ExpectValue(u"-$10", -16);
    ExpectValue(u"-$FFFFFFFF", 1);
    ExpectValue(u"-$80000000", INT32_MIN);
    ExpectInvalid(u"$100000000");
    ExpectInvalid(u"x" + std::u16string(5000, u'F'));
}
