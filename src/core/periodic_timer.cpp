#include "core/periodic_timer.h"

#include <utility>

#include "core/error.h"
#include "core/error_text.h"

namespace core {

PeriodicTimer::PeriodicTimer(TimerBackend& backend, bool enabled, std::int32_t intervalMs)
    : backend_(backend), enabled_(enabled), interval_(intervalMs)
{
}

PeriodicTimer::~PeriodicTimer()
{
    if (running_)
        backend_.Stop();
}

void PeriodicTimer::SetEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    Update();
}

void PeriodicTimer::SetInterval(std::int32_t intervalMs)
{
    if (intervalMs == interval_)
        return;
    interval_ = intervalMs;
    Update();
}

void PeriodicTimer::SetHandler(Handler handler)
{
    handler_ = std::move(handler);
    Update();
}

void PeriodicTimer::Tick() const
{
    if (running_ && handler_)
        handler_();
}

void PeriodicTimer::Update()
{
    if (running_) {
        backend_.Stop();
        running_ = false;
    }
    if (!enabled_ || interval_ == 0 || !handler_)
        return;
    // The platform takes the count as unsigned, as it always has.
    if (!backend_.Start(static_cast<std::uint32_t>(interval_)))
        throw Error(std::u16string(kNotEnoughTimers));
    running_ = true;
}

}  // namespace core
