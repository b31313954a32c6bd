#include "core/schedule_interval.h"

#include "core/error.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::u16string RefusalOf(std::u16string_view text)
{
    try {
        core::ScheduleIntervalMs(text);
    } catch (const core::Error& error) {
        return error.Message();
    }
    return u"(accepted)";
}

}  // namespace

TEST(ScheduleInterval, ConvertsMinutesToMilliseconds)
{
    EXPECT_EQ(core::ScheduleIntervalMs(u"5"), 300000);
    EXPECT_EQ(core::ScheduleIntervalMs(u"1"), 60000);
    EXPECT_EQ(core::ScheduleIntervalMs(u"30"), 1800000);
    EXPECT_EQ(core::ScheduleIntervalMs(u" $A"), 600000);
    EXPECT_EQ(core::ScheduleIntervalMs(u"0"), 0);
    EXPECT_EQ(core::ScheduleIntervalMs(u"35791"), 2147460000);
}

TEST(ScheduleInterval, RefusesWithTheConversionMessage)
{
    EXPECT_EQ(RefusalOf(u"abc"), u"'abc' is not a valid integer value");
    EXPECT_EQ(RefusalOf(u""), u"'' is not a valid integer value");
    EXPECT_EQ(RefusalOf(u"7 "), u"'7 ' is not a valid integer value");
    EXPECT_EQ(RefusalOf(u"-1"), u"'-1' is not a valid integer value");
    EXPECT_EQ(RefusalOf(u"$FFFFFFFF"), u"'$FFFFFFFF' is not a valid integer value");
    EXPECT_EQ(RefusalOf(u"35792"), u"'35792' is not a valid integer value");
    EXPECT_EQ(RefusalOf(u"2147483647"), u"'2147483647' is not a valid integer value");
}
