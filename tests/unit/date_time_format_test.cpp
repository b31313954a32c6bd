#include "core/date_time_format.h"

#include <gtest/gtest.h>

namespace {

using core::DateTime;
using core::FormatDateTime;

// Tuesday 5 March 2024, 09:05:07.250.
constexpr DateTime kMorning{2024, 3, 5, 2, 9, 5, 7, 250};

DateTime At(std::uint16_t hour, std::uint16_t minute, std::uint16_t second)
{
    DateTime moment = kMorning;
    moment.hour = hour;
    moment.minute = minute;
    moment.second = second;
    return moment;
}

core::FormatSettings Settings()
{
    core::FormatSettings settings;
    settings.shortDatePicture = u"yyyy/M/d";
    settings.dateSeparator = u"-";
    settings.timePicture = u"h:mm:ss";
    settings.timeSeparator = u".";
    settings.amDesignator = u"上午";
    settings.pmDesignator = u"下午";
    settings.shortMonthNames[2] = u"Mar";
    settings.longMonthNames[2] = u"March";
    settings.shortDayNames[2] = u"Tue";
    settings.longDayNames[2] = u"Tuesday";
    return settings;
}

}  // namespace

TEST(ClockText, JoinsDateAndTimeWithOneBlank)
{
    core::FormatSettings settings = Settings();
    settings.dateSeparator = u"/";
    settings.timeSeparator = u":";
    EXPECT_EQ(core::ClockText(kMorning, settings), u"2024/3/5 9:05:07");
    EXPECT_EQ(core::ClockText(At(0, 0, 0), settings), u"2024/3/5 0:00:00");
    settings.timePicture = u"hh:mm:ss";
    EXPECT_EQ(core::ClockText(At(23, 59, 59), settings), u"2024/3/5 23:59:59");
}

TEST(FormatDateTime, TwelveHourClockWhenThePictureHoldsAmPm)
{
    const core::FormatSettings settings = Settings();
    EXPECT_EQ(FormatDateTime(u"AMPM h:mm:ss", kMorning, settings), u"上午 9.05.07");
    EXPECT_EQ(FormatDateTime(u"AMPM h:mm:ss", At(12, 0, 0), settings), u"下午 12.00.00");
    EXPECT_EQ(FormatDateTime(u"AMPM h:mm:ss", At(0, 30, 0), settings), u"上午 12.30.00");
    EXPECT_EQ(FormatDateTime(u"hh:mm:ss ampm", At(23, 1, 2), settings), u"11.01.02 下午");
    EXPECT_EQ(FormatDateTime(u"h:mm 'AMPM'", At(23, 1, 2), settings), u"23.01 AMPM");
    EXPECT_EQ(FormatDateTime(u"AMP h", At(23, 1, 2), settings), u"A3P 23");
}

TEST(FormatDateTime, DayMonthAndYearForms)
{
    const core::FormatSettings settings = Settings();
    EXPECT_EQ(FormatDateTime(u"d dd ddd dddd ddddd", kMorning, settings), u"5 05 Tue Tuesday Tuesday");
    EXPECT_EQ(FormatDateTime(u"M MM MMM MMMM", kMorning, settings), u"3 03 Mar March");
    EXPECT_EQ(FormatDateTime(u"y yy yyy yyyy", kMorning, settings), u"24 24 2024 2024");
    EXPECT_EQ(FormatDateTime(u"DD/mm/YY", kMorning, settings), u"05-03-24");
    DateTime early = kMorning;
    early.year = 5;
    EXPECT_EQ(FormatDateTime(u"y yyyy", early, settings), u"05 0005");
}

TEST(FormatDateTime, MinutesOnlyWhenAnHourIsTheNearestLetterBefore)
{
    const core::FormatSettings settings = Settings();
    EXPECT_EQ(FormatDateTime(u"M/d h:m", kMorning, settings), u"3-5 9.5");
    EXPECT_EQ(FormatDateTime(u"hh:mm MM", kMorning, settings), u"09.05 03");
    EXPECT_EQ(FormatDateTime(u"H'h'mm", kMorning, settings), u"9h05");
    EXPECT_EQ(FormatDateTime(u"h-/ mm", kMorning, settings), u"9-- 05");
    EXPECT_EQ(FormatDateTime(u"h:m:m", kMorning, settings), u"9.5.3");
    EXPECT_EQ(FormatDateTime(u"h t mm", kMorning, settings), u"9 t 03");
    EXPECT_EQ(FormatDateTime(u"h:s:m", kMorning, settings), u"9.7.3");
    EXPECT_EQ(FormatDateTime(u"h AMPM m", kMorning, settings), u"9 上午 3");
    EXPECT_EQ(FormatDateTime(u"h:mmm", kMorning, settings), u"9.Mar");
    EXPECT_EQ(FormatDateTime(u"mm", kMorning, settings), u"03");
}

TEST(FormatDateTime, QuotedTextIsCopiedWithoutItsQuotes)
{
    const core::FormatSettings settings = Settings();
    EXPECT_EQ(FormatDateTime(u"yyyy'年'M\"月\"d'日'", kMorning, settings), u"2024年3月5日");
    EXPECT_EQ(FormatDateTime(u"'d \"/:' \"h's\"", kMorning, settings), u"d \"/: h's");
    EXPECT_EQ(FormatDateTime(u"d''d", kMorning, settings), u"55");
    EXPECT_EQ(FormatDateTime(u"d 'h:mm", kMorning, settings), u"5 h:mm");
    EXPECT_EQ(FormatDateTime(u"d \"", kMorning, settings), u"5 ");
}

TEST(FormatDateTime, OtherCharactersAreCopied)
{
    const core::FormatSettings settings = Settings();
    EXPECT_EQ(FormatDateTime(u"z at 1s, é", kMorning, settings), u"z at 17, é");
    EXPECT_EQ(FormatDateTime(u"", kMorning, settings), u"");
}

TEST(FormatDateTime, FieldsOutOfRangeGiveNumbersOrNoName)
{
    const DateTime wild{65535, 13, 99, 7, 25, 61, 60, 1000};
    const core::FormatSettings settings = Settings();
    EXPECT_EQ(FormatDateTime(u"yyyy yy M MMM MMMM d ddd dddd", wild, settings), u"65535 35 13   99  ");
    EXPECT_EQ(FormatDateTime(u"h:mm:ss AMPM", wild, settings), u"1.61.60 下午");
    EXPECT_EQ(FormatDateTime(u"h:mm:ss", wild, settings), u"25.61.60");
    DateTime none{};
    none.month = 0;
    EXPECT_EQ(FormatDateTime(u"MMM|MMMM|M", none, settings), u"||0");
}
