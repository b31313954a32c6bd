// The clock's picture renderer with any picture, any moment (fields out of
// range included) and any format settings: it stays within the memory it
// owns, its text grows at most by the longest piece per picture unit, and
// text without picture elements comes out as it went in.
#include "core/date_time_format.h"
#include "input.h"

#include <algorithm>
#include <cstring>

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

    const std::u16string clock = core::ClockText(moment, settings);
    FUZZ_REQUIRE(clock == core::FormatDateTime(settings.shortDatePicture, moment, settings) + u" " +
                              core::FormatDateTime(settings.timePicture, moment, settings));
    return 0;
}
