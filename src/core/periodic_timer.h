#pragma once
// A periodic timer's rules: a platform countdown runs exactly while the
// timer is enabled, its interval is not 0 and a tick handler is bound.
// Setting a value it already has leaves a running countdown alone; a new
// value restarts it. Each change says what the platform's countdown is to do.

#include <cstdint>

namespace core {

struct TimerChange {
    enum class Kind { None, Stop, Start };
    Kind kind = Kind::None;
    // For Start: the period, as the platform takes it. A running countdown
    // starts over with it.
    std::uint32_t intervalMs = 0;

    friend bool operator==(const TimerChange& a, const TimerChange& b)
    {
        return a.kind == b.kind && a.intervalMs == b.intervalMs;
    }
};

class PeriodicTimer {
public:
    explicit PeriodicTimer(bool enabled = true, std::int32_t intervalMs = 1000) noexcept
        : enabled_(enabled), interval_(intervalMs)
    {
    }

    bool Enabled() const noexcept { return enabled_; }
    std::int32_t Interval() const noexcept { return interval_; }
    // Whether a countdown runs, and so whether a tick reaches the handler.
    bool Running() const noexcept { return running_; }

    TimerChange SetEnabled(bool enabled) noexcept;
    TimerChange SetInterval(std::int32_t intervalMs) noexcept;
    TimerChange SetHandlerBound(bool bound) noexcept;
    // The platform refused the countdown a change asked for: none runs, and
    // the new value stays stored.
    void StartRefused() noexcept { running_ = false; }

private:
    TimerChange Update() noexcept;

    bool enabled_;
    std::int32_t interval_;
    bool handlerBound_ = false;
    bool running_ = false;
};

}  // namespace core
