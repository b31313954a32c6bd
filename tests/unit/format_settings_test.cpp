#include "core/format_settings.h"

#include "core/date_time_format.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

namespace {

using core::LocaleField;

// Answers the fields it was given; every other query fails.
class FakeLocale : public core::LocaleInfoSource {
public:
    explicit FakeLocale(std::uint16_t language = 0x09) : language_(language) {}

    FakeLocale& Set(LocaleField field, std::u16string text, int index = 0)
    {
        texts_[{field, index}] = std::move(text);
        return *this;
    }

    std::uint16_t PrimaryLanguage() const override { return language_; }

    std::optional<std::u16string> Query(LocaleField field, int index) const override
    {
        const auto found = texts_.find({field, index});
        if (found == texts_.end()) return std::nullopt;
        return found->second;
    }

private:
    std::uint16_t language_;
    std::map<std::pair<LocaleField, int>, std::u16string> texts_;
};

FakeLocale TimeLocale(std::u16string leadingZero, std::u16string twentyFour, std::u16string before)
{
    FakeLocale locale;
    locale.Set(LocaleField::HourLeadingZero, std::move(leadingZero))
        .Set(LocaleField::TwentyFourHour, std::move(twentyFour))
        .Set(LocaleField::DesignatorBefore, std::move(before));
    return locale;
}

}  // namespace

TEST(FormatSettings, FailedQueriesGiveTheDefaults)
{
    const core::FormatSettings settings = core::FillFormatSettings(FakeLocale());
    EXPECT_EQ(settings.shortDatePicture, u"m/d/yy");
    EXPECT_EQ(settings.dateSeparator, u"/");
    EXPECT_EQ(settings.timeSeparator, u":");
    EXPECT_EQ(settings.amDesignator, u"am");
    EXPECT_EQ(settings.pmDesignator, u"pm");
    EXPECT_EQ(settings.timePicture, u"h:mm:ss AMPM");
    EXPECT_EQ(settings.longMonthNames[0], u"");
}

TEST(FormatSettings, TakesTheLocaleTextsAndSingleCharacterSeparators)
{
    FakeLocale locale;
    locale.Set(LocaleField::ShortDatePicture, u"dd-MM-yyyy")
        .Set(LocaleField::DateSeparator, u"-")
        .Set(LocaleField::TimeSeparator, u".")
        .Set(LocaleField::AmDesignator, u"")
        .Set(LocaleField::PmDesignator, u"PM")
        .Set(LocaleField::ShortMonthName, u"Dec", 11)
        .Set(LocaleField::LongMonthName, u"January", 0)
        .Set(LocaleField::ShortDayName, u"Sun", 0)
        .Set(LocaleField::LongDayName, u"Saturday", 6);
    const core::FormatSettings settings = core::FillFormatSettings(locale);
    EXPECT_EQ(settings.shortDatePicture, u"dd/MM/yyyy");
    EXPECT_EQ(settings.dateSeparator, u"-");
    EXPECT_EQ(settings.timeSeparator, u".");
    EXPECT_EQ(settings.amDesignator, u"");
    EXPECT_EQ(settings.pmDesignator, u"PM");
    EXPECT_EQ(settings.shortMonthNames[11], u"Dec");
    EXPECT_EQ(settings.longMonthNames[0], u"January");
    EXPECT_EQ(settings.shortDayNames[0], u"Sun");
    EXPECT_EQ(settings.longDayNames[6], u"Saturday");
}

TEST(FormatSettings, OtherSeparatorsGiveTheDefaults)
{
    FakeLocale locale;
    locale.Set(LocaleField::ShortDatePicture, u"yyyy. M. d.")
        .Set(LocaleField::DateSeparator, u". ")
        .Set(LocaleField::TimeSeparator, u"");
    const core::FormatSettings settings = core::FillFormatSettings(locale);
    EXPECT_EQ(settings.dateSeparator, u"/");
    EXPECT_EQ(settings.timeSeparator, u":");
    EXPECT_EQ(settings.shortDatePicture, u"yyyy. M. d.");
}

TEST(FormatSettings, BuildsTheTimePictureFromTheHourSettings)
{
    EXPECT_EQ(core::FillFormatSettings(TimeLocale(u"0", u"1", u"0")).timePicture, u"h:mm:ss");
    EXPECT_EQ(core::FillFormatSettings(TimeLocale(u"1", u"1", u"1")).timePicture, u"hh:mm:ss");
    EXPECT_EQ(core::FillFormatSettings(TimeLocale(u"0", u"0", u"0")).timePicture, u"h:mm:ss AMPM");
    EXPECT_EQ(core::FillFormatSettings(TimeLocale(u"1", u"0", u"1")).timePicture, u"AMPM hh:mm:ss");
    EXPECT_EQ(core::FillFormatSettings(TimeLocale(u" 2", u"$0", u"-1")).timePicture, u"AMPM hh:mm:ss");
}

TEST(FormatSettings, HourSettingsThatAreNotNumbersCountAsZero)
{
    EXPECT_EQ(core::FillFormatSettings(TimeLocale(u"yes", u"1 ", u"")).timePicture, u"h:mm:ss AMPM");
}

TEST(FormatSettings, RemovesEraLettersOnlyForChineseJapaneseAndKorean)
{
    for (std::uint16_t language : {0x04, 0x11, 0x12}) {
        FakeLocale locale(language);
        locale.Set(LocaleField::ShortDatePicture, u"gg yyyy/M/d G");
        EXPECT_EQ(core::FillFormatSettings(locale).shortDatePicture, u" yyyy/M/d ") << language;
    }
    for (std::uint16_t language : {0x09, 0x07, 0x0C}) {
        FakeLocale locale(language);
        locale.Set(LocaleField::ShortDatePicture, u"gg yyyy/M/d G");
        EXPECT_EQ(core::FillFormatSettings(locale).shortDatePicture, u"gg yyyy/M/d G") << language;
    }
}

TEST(FormatSettings, MarksTheDateSeparatorOnlyOutsideQuotedText)
{
    FakeLocale bulgarian;
    bulgarian.Set(LocaleField::ShortDatePicture, u"d.M.yyyy 'г.'").Set(LocaleField::DateSeparator, u".");
    const core::FormatSettings settings = core::FillFormatSettings(bulgarian);
    EXPECT_EQ(settings.shortDatePicture, u"d/M/yyyy 'г.'");
    EXPECT_EQ(core::FormatDateTime(settings.shortDatePicture, {2026, 12, 9, 3, 10, 0, 0, 0}, settings),
              u"9.12.2026 г.");

    FakeLocale quotes;
    quotes.Set(LocaleField::ShortDatePicture, u"d-\"M-\"yy'-'-'yyyy-").Set(LocaleField::DateSeparator, u"-");
    EXPECT_EQ(core::FillFormatSettings(quotes).shortDatePicture, u"d/\"M-\"yy'-'/'yyyy-");
}
