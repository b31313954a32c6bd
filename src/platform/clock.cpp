#include "platform/clock.h"

#include <windows.h>

#include "platform/locale_info_win32.h"

namespace platform {

core::DateTime LocalTime()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wDayOfWeek, now.wHour, now.wMinute, now.wSecond,
            now.wMilliseconds};
}

core::FormatSettings ReadFormatSettings()
{
    return core::FillFormatSettings(LocaleInfoWin32(ClockLocale()));
}

void UseUserDefaultLocale()
{
    SetThreadLocale(LOCALE_USER_DEFAULT);
}

}  // namespace platform
