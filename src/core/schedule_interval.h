#pragma once
// The schedule's period from the minutes the user typed.

#include <cstdint>
#include <string_view>

namespace core {

// Minutes × 60 × 1000. Throws the conversion's error for a text that is not an
// integer, and for negative counts or counts whose milliseconds do not fit a
// positive 32-bit interval (over 35,791 minutes). "0" gives 0: no periodic repair.
std::int32_t ScheduleIntervalMs(std::u16string_view minutesText);

}  // namespace core
