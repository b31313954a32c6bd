#pragma once
// The local clock and the date and time format settings of the user's locale.

#include "core/date_time_format.h"
#include "core/format_settings.h"

namespace platform {

core::DateTime LocalTime();

// The settings of the clock's locale.
core::FormatSettings ReadFormatSettings();

// After a change of the regional settings, the thread takes up the user's
// default locale again.
void UseUserDefaultLocale();

}  // namespace platform
