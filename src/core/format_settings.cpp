#include "core/format_settings.h"

#include "core/int_conversion.h"

#include <algorithm>
#include <cstddef>

namespace core {
namespace {

constexpr std::uint16_t kLangChinese = 0x04;
constexpr std::uint16_t kLangJapanese = 0x11;
constexpr std::uint16_t kLangKorean = 0x12;

std::u16string TextOr(const LocaleInfoSource& locale, LocaleField field, std::u16string_view fallback)
{
    return locale.Query(field, 0).value_or(std::u16string(fallback));
}

// Separators are single characters; anything else counts as a failed query.
std::u16string SeparatorOr(const LocaleInfoSource& locale, LocaleField field, std::u16string_view fallback)
{
    const auto text = locale.Query(field, 0);
    return text && text->size() == 1 ? *text : std::u16string(fallback);
}

bool NumberIsNonZero(const LocaleInfoSource& locale, LocaleField field)
{
    const auto text = locale.Query(field, 0);
    return text && TryStrToInt(*text).value_or(0) != 0;
}

// The locale's separator stands for the date separator even where the
// character means something else in a picture, such as ":". Quoted text is
// copied as it stands, so inside quotes the character stays itself.
void MarkDateSeparators(std::u16string& picture, char16_t dateSeparator)
{
    char16_t quote = 0;
    for (char16_t& c : picture) {
        if (quote) {
            if (c == quote) quote = 0;
        } else if (c == u'\'' || c == u'"') {
            quote = c;
        } else if (c == dateSeparator) {
            c = u'/';
        }
    }
}

std::u16string ShortDatePicture(const LocaleInfoSource& locale, char16_t dateSeparator)
{
    std::u16string picture = TextOr(locale, LocaleField::ShortDatePicture, u"m/d/yy");
    // The clock shows no era, which these languages' pictures may carry.
    const std::uint16_t language = locale.PrimaryLanguage();
    if (language == kLangChinese || language == kLangJapanese || language == kLangKorean) {
        picture.erase(std::remove_if(picture.begin(), picture.end(),
                                     [](char16_t c) { return c == u'g' || c == u'G'; }),
                      picture.end());
    }
    MarkDateSeparators(picture, dateSeparator);
    return picture;
}

// Built from the hour settings rather than the locale's own time format, so
// that minutes and seconds always show with two digits.
std::u16string TimePicture(const LocaleInfoSource& locale)
{
    const std::u16string hour = NumberIsNonZero(locale, LocaleField::HourLeadingZero) ? u"hh" : u"h";
    std::u16string picture = hour + u":mm:ss";
    if (!NumberIsNonZero(locale, LocaleField::TwentyFourHour)) {
        if (NumberIsNonZero(locale, LocaleField::DesignatorBefore)) {
            picture = u"AMPM " + picture;
        } else {
            picture += u" AMPM";
        }
    }
    return picture;
}

template <std::size_t N>
void FillNames(const LocaleInfoSource& locale, LocaleField field, std::array<std::u16string, N>& names)
{
    for (std::size_t i = 0; i < N; ++i) {
        names[i] = locale.Query(field, static_cast<int>(i)).value_or(std::u16string());
    }
}

}  // namespace

FormatSettings FillFormatSettings(const LocaleInfoSource& locale)
{
    FormatSettings settings;
    settings.dateSeparator = SeparatorOr(locale, LocaleField::DateSeparator, u"/");
    settings.shortDatePicture = ShortDatePicture(locale, settings.dateSeparator[0]);
    settings.timeSeparator = SeparatorOr(locale, LocaleField::TimeSeparator, u":");
    settings.amDesignator = TextOr(locale, LocaleField::AmDesignator, u"am");
    settings.pmDesignator = TextOr(locale, LocaleField::PmDesignator, u"pm");
    settings.timePicture = TimePicture(locale);
    FillNames(locale, LocaleField::ShortMonthName, settings.shortMonthNames);
    FillNames(locale, LocaleField::LongMonthName, settings.longMonthNames);
    FillNames(locale, LocaleField::ShortDayName, settings.shortDayNames);
    FillNames(locale, LocaleField::LongDayName, settings.longDayNames);
    return settings;
}

}  // namespace core
