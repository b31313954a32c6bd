// The clock's picture renderer with any picture, any moment (fields out of
// range included) and any format settings: it stays within the memory it
// owns, its text grows at most by the longest piece per picture unit, and
// text without picture elements comes out as it went in. The clock text of
// a moment in range, under four pictures of real locales with any
// separators and designators, is the one written out here by hand.
#include "core/date_time_format.h"
#include "input.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

constexpr std::size_t kMomentBytes = 16;
// The longest number an element can print: a 16-bit field in decimal.
constexpr std::size_t kLongestNumber = 5;

core::DateTime MomentFrom(const std::uint8_t* data)
{
    std::uint16_t fields[8];
    std::memcpy(fields, data, sizeof fields);
    return {fields[0], fields[1], fields[2], fields[3], fields[4], fields[5], fields[6], fields[7]};
}

bool IsPictureElement(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'\'' || c == u'"' || c == u'/' || c == u':';
}

bool InRange(const core::DateTime& m)
{
    return m.year >= 1601 && m.year <= 9999 && m.month >= 1 && m.month <= 12 && m.day >= 1 && m.day <= 31 &&
           m.hour <= 23 && m.minute <= 59 && m.second <= 59;
}

// VALUE in decimal, with leading zeros up to WIDTH digits.
std::u16string Digits(unsigned value, std::size_t width)
{
    const std::string digits = std::to_string(value);
    std::u16string text(digits.size() < width ? width - digits.size() : 0, u'0');
    text.append(digits.begin(), digits.end());
    return text;
}

// The clock text for the short date and time pictures of case INDEX, built
// from the moment's fields without the renderer.
std::u16string ExpectedClock(int index, const core::DateTime& m, const core::FormatSettings& s)
{
    const std::u16string& date = s.dateSeparator;
    const std::u16string& time = s.timeSeparator;
    const std::u16string designator = m.hour < 12 ? s.amDesignator : s.pmDesignator;
    const unsigned hour12 = (m.hour + 11) % 12 + 1;
    const std::u16string minutesSeconds = time + Digits(m.minute, 2) + time + Digits(m.second, 2);
    switch (index) {
    case 0:  // yyyy/M/d and h:mm:ss (Chinese, PRC)
        return Digits(m.year, 4) + date + Digits(m.month, 1) + date + Digits(m.day, 1) + u" " +
               Digits(m.hour, 1) + minutesSeconds;
    case 1:  // M/d/yy and h:mm:ss AMPM (English, United States, two-digit year)
        return Digits(m.month, 1) + date + Digits(m.day, 1) + date + Digits(m.year % 100, 2) + u" " +
               Digits(hour12, 1) + minutesSeconds + u" " + designator;
    case 2:  // dd'.'MM'.'yyyy and AMPM hh:mm:ss (designator first, leading zero)
        return Digits(m.day, 2) + u"." + Digits(m.month, 2) + u"." + Digits(m.year, 4) + u" " + designator + u" " +
               Digits(hour12, 2) + minutesSeconds;
    default:  // yyyy'年'M'月'd'日' and HH:mm:ss (quoted text, 24 hours with leading zero)
        return Digits(m.year, 4) + u"年" + Digits(m.month, 1) + u"月" + Digits(m.day, 1) + u"日 " +
               Digits(m.hour, 2) + minutesSeconds;
    }
}

constexpr const char16_t* kClockPictures[][2] = {
    {u"yyyy/M/d", u"h:mm:ss"},
    {u"M/d/yy", u"h:mm:ss AMPM"},
    {u"dd'.'MM'.'yyyy", u"AMPM hh:mm:ss"},
    {u"yyyy'年'M'月'd'日'", u"HH:mm:ss"},
};

}  // namespace

// Input: 16 bytes of the moment (eight 16-bit fields as SYSTEMTIME orders
// them), then zero-separated UTF-8 fields: the picture, the short date
// picture, the time picture, the date separator, the time separator, the AM
// and PM designators, then the month and day names in the settings' order.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < kMomentBytes) return 0;
    const core::DateTime moment = MomentFrom(data);
    const auto fields = fuzz::Fields({reinterpret_cast<const char*>(data) + kMomentBytes, size - kMomentBytes});
    std::size_t next = 0;
    const auto field = [&]() { return next < fields.size() ? fuzz::Utf16(fields[next++]) : std::u16string(); };

    const std::u16string picture = field();
    core::FormatSettings settings;
    settings.shortDatePicture = field();
    settings.timePicture = field();
    settings.dateSeparator = field();
    settings.timeSeparator = field();
    settings.amDesignator = field();
    settings.pmDesignator = field();
    std::size_t longest = std::max({kLongestNumber, settings.dateSeparator.size(), settings.timeSeparator.size(),
                                    settings.amDesignator.size(), settings.pmDesignator.size()});
    for (auto* names : {&settings.shortMonthNames, &settings.longMonthNames})
        for (auto& name : *names) longest = std::max(longest, (name = field()).size());
    for (auto* names : {&settings.shortDayNames, &settings.longDayNames})
        for (auto& name : *names) longest = std::max(longest, (name = field()).size());

    const std::u16string text = core::FormatDateTime(picture, moment, settings);
    FUZZ_REQUIRE(text.size() <= picture.size() * longest);
    FUZZ_REQUIRE(core::FormatDateTime(picture, moment, settings) == text);
    if (std::none_of(picture.begin(), picture.end(), IsPictureElement)) FUZZ_REQUIRE(text == picture);

    const std::size_t pictures = settings.shortDatePicture.size() + settings.timePicture.size();
    FUZZ_REQUIRE(core::ClockText(moment, settings).size() <= pictures * longest + 1);

    if (!InRange(moment)) return 0;
    for (int index = 0; index < 4; ++index) {
        settings.shortDatePicture = kClockPictures[index][0];
        settings.timePicture = kClockPictures[index][1];
        FUZZ_REQUIRE(core::ClockText(moment, settings) == ExpectedClock(index, moment, settings));
    }
    return 0;
}
