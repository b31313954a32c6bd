#pragma once
// The locale queries the clock's format settings are filled from, kept behind
// an interface so that the filling runs without the platform.

#include <cstdint>
#include <optional>
#include <string>

namespace core {

enum class LocaleField {
    ShortDatePicture,
    DateSeparator,
    TimeSeparator,
    AmDesignator,
    PmDesignator,
    HourLeadingZero,     // "0": no leading zero on the hour
    TwentyFourHour,      // "0": 12-hour clock
    DesignatorBefore,    // "0": designator after the time
    ShortMonthName,      // indexed 0 = January .. 11
    LongMonthName,
    ShortDayName,        // indexed 0 = Sunday .. 6
    LongDayName,
};

class LocaleInfoSource {
public:
    virtual ~LocaleInfoSource() = default;

    // The primary language of the locale, such as 0x04 for Chinese.
    virtual std::uint16_t PrimaryLanguage() const = 0;

    // The locale's text for the field, or nothing when the query fails.
    // index picks the month or day of the name fields and is 0 for the others.
    virtual std::optional<std::u16string> Query(LocaleField field, int index) const = 0;
};

}  // namespace core
