#include "core/periodic_timer.h"

namespace core {

TimerChange PeriodicTimer::SetEnabled(bool enabled) noexcept
{
    if (enabled == enabled_)
        return {};
    enabled_ = enabled;
    return Update();
}

TimerChange PeriodicTimer::SetInterval(std::int32_t intervalMs) noexcept
{
    if (intervalMs == interval_)
        return {};
    interval_ = intervalMs;
    return Update();
}

TimerChange PeriodicTimer::SetHandlerBound(bool bound) noexcept
{
    handlerBound_ = bound;
    return Update();
}

TimerChange PeriodicTimer::Update() noexcept
{
    if (enabled_ && interval_ != 0 && handlerBound_) {
        running_ = true;
        // The platform takes the count as unsigned, as it always has.
        return {TimerChange::Kind::Start, static_cast<std::uint32_t>(interval_)};
    }
    if (!running_)
        return {};
    running_ = false;
    return {TimerChange::Kind::Stop};
}

}  // namespace core
