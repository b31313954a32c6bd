#include "platform/locale_info_win32.h"

#include "platform/wide.h"

#include <windows.h>

#include <vector>

namespace platform {
namespace {

constexpr LCID kEnglishUnitedStates = 1033;

// Each kind of name has consecutive constants.
std::optional<LCTYPE> MonthType(LCTYPE january, int month)
{
    if (month < 0 || month >= 12) return std::nullopt;
    return january + static_cast<LCTYPE>(month);
}

// Windows counts the days from Monday, so Sunday (0 here) is its seventh.
std::optional<LCTYPE> DayType(LCTYPE monday, int dayOfWeek)
{
    if (dayOfWeek < 0 || dayOfWeek >= 7) return std::nullopt;
    return monday + static_cast<LCTYPE>((dayOfWeek + 6) % 7);
}

std::optional<LCTYPE> FieldType(core::LocaleField field, int index)
{
    switch (field) {
    case core::LocaleField::ShortDatePicture: return LOCALE_SSHORTDATE;
    case core::LocaleField::DateSeparator: return LOCALE_SDATE;
    case core::LocaleField::TimeSeparator: return LOCALE_STIME;
    case core::LocaleField::AmDesignator: return LOCALE_S1159;
    case core::LocaleField::PmDesignator: return LOCALE_S2359;
    case core::LocaleField::HourLeadingZero: return LOCALE_ITLZERO;
    case core::LocaleField::TwentyFourHour: return LOCALE_ITIME;
    case core::LocaleField::DesignatorBefore: return LOCALE_ITIMEMARKPOSN;
    case core::LocaleField::ShortMonthName: return MonthType(LOCALE_SABBREVMONTHNAME1, index);
    case core::LocaleField::LongMonthName: return MonthType(LOCALE_SMONTHNAME1, index);
    case core::LocaleField::ShortDayName: return DayType(LOCALE_SABBREVDAYNAME1, index);
    case core::LocaleField::LongDayName: return DayType(LOCALE_SDAYNAME1, index);
    }
    return std::nullopt;
}

}  // namespace

std::uint32_t ClockLocale()
{
    const LCID thread = GetThreadLocale();
    const LCID lcid = thread != 0 ? thread : kEnglishUnitedStates;
    return IsValidLocale(lcid, LCID_INSTALLED) ? lcid : thread;
}

std::uint16_t LocaleInfoWin32::PrimaryLanguage() const
{
    return PRIMARYLANGID(LANGIDFROMLCID(lcid_));
}

std::optional<std::u16string> LocaleInfoWin32::Query(core::LocaleField field, int index) const
{
    const auto type = FieldType(field, index);
    if (!type) return std::nullopt;
    const int size = GetLocaleInfoW(lcid_, *type, nullptr, 0);
    if (size <= 0) return std::nullopt;
    std::vector<wchar_t> buffer(static_cast<std::size_t>(size));
    const int written = GetLocaleInfoW(lcid_, *type, buffer.data(), size);
    if (written <= 0) return std::nullopt;
    // The count includes the terminating null.
    return FromWide(buffer.data(), static_cast<std::size_t>(written - 1));
}

}  // namespace platform
