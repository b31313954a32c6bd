#include "core/repair_log.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Adds lines the way the log does, so the resulting text can be compared.
std::u16string Append(std::u16string text, std::u16string_view line)
{
    const bool endsWithBreak = text.empty() || text.back() == u'\n' || text.back() == u'\r';
    return text + core::LogAppendPiece(endsWithBreak, line);
}

}  // namespace

TEST(RepairLog, LinesJoinWithCrLfWhateverTheUserTyped)
{
    auto text = Append(u"", u"a");
    text = Append(text, u"b");
    EXPECT_EQ(text, u"a\r\nb\r\n");

    // Text the user typed without a final break gets a break in front.
    EXPECT_EQ(Append(u"typed", u"c"), u"typed\r\nc");
    EXPECT_EQ(Append(Append(u"typed", u"c"), u"d"), u"typed\r\nc\r\nd");
}

TEST(RepairLog, OutcomeLineCarriesTheClockTextWithoutSeparator)
{
    EXPECT_EQ(core::RepairOutcomeLine(true, u"2024/3/5 9:05:07"), u"网络连接修复成功.2024/3/5 9:05:07");
    EXPECT_EQ(core::RepairOutcomeLine(true, u""), u"网络连接修复成功.");
    EXPECT_EQ(core::RepairOutcomeLine(false, u"2024/3/5 9:05:07"), u"网络连接修复失败.2024/3/5 9:05:07");
}
