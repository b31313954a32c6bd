#pragma once
// Renders a moment by a date or time picture, as the status clock shows it.

#include "core/format_settings.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace core {

// One reading of the local clock, laid out like the platform's SYSTEMTIME.
struct DateTime {
    std::uint16_t year = 0;
    std::uint16_t month = 1;      // 1 = January
    std::uint16_t day = 1;
    std::uint16_t dayOfWeek = 0;  // 0 = Sunday
    std::uint16_t hour = 0;
    std::uint16_t minute = 0;
    std::uint16_t second = 0;
    std::uint16_t millisecond = 0;
};

// Picture elements, letters in either case: d dd ddd dddd, M MM MMM MMMM,
// y yy (two digits) and yyy yyyy (four), h hh (12-hour when the picture holds
// AMPM), m mm (minutes when the nearest letter before them outside quotes
// belongs to an hour element, else month), s ss, AMPM, "/" and ":" (the separators), quoted text (copied
// without its quotes; an unterminated quote runs to the end). A longer run of a
// letter acts as its longest form; other letters and all other characters are
// copied unchanged. A month or day out of range gives an empty name.
std::u16string FormatDateTime(std::u16string_view picture, const DateTime& moment,
                              const FormatSettings& settings);

// The status clock's text: the date by the short date picture, a blank, the
// time by the time picture.
std::u16string ClockText(const DateTime& moment, const FormatSettings& settings);

}  // namespace core
