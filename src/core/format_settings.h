#pragma once
// The date and time format settings of the status clock, filled from a locale.

#include "core/locale_info_source.h"

#include <array>
#include <string>

namespace core {

struct FormatSettings {
    std::u16string shortDatePicture;
    std::u16string dateSeparator;
    std::u16string timePicture;
    std::u16string timeSeparator;
    std::u16string amDesignator;
    std::u16string pmDesignator;
    std::array<std::u16string, 12> shortMonthNames;  // 0 = January
    std::array<std::u16string, 12> longMonthNames;
    std::array<std::u16string, 7> shortDayNames;     // 0 = Sunday
    std::array<std::u16string, 7> longDayNames;
};

// Fills the settings from the locale; a failed query gives the field's default
// ("m/d/yy", "/", ":", "am", "pm"; an empty name).
FormatSettings FillFormatSettings(const LocaleInfoSource& locale);

}  // namespace core
