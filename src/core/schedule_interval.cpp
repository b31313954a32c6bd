#include "core/schedule_interval.h"

#include "core/int_conversion.h"

#include <cstdint>

namespace core {
namespace {

constexpr std::int32_t kMsPerMinute = 60 * 1000;
constexpr std::int32_t kMaxMinutes = INT32_MAX / kMsPerMinute;

}  // namespace

std::int32_t ScheduleIntervalMs(std::u16string_view minutesText)
{
    const std::int32_t minutes = StrToInt(minutesText);
    // A wrapped-around product would give the timer some unrelated period.
    if (minutes < 0 || minutes > kMaxMinutes) throw InvalidIntegerError(minutesText);
    return minutes * kMsPerMinute;
}

}  // namespace core
