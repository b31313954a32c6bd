#pragma once
// A periodic timer: it keeps a platform timer running exactly while it is
// enabled, its interval is not 0 and a tick handler is bound. Setting a value
// it already has leaves a running countdown alone; a new value restarts it.

#include <cstdint>
#include <functional>

namespace core {

// The platform's side: one countdown at a time.
class TimerBackend {
public:
    virtual ~TimerBackend() = default;
    // Starts a periodic countdown; false when the platform refuses.
    virtual bool Start(std::uint32_t intervalMs) = 0;
    virtual void Stop() = 0;
};

class PeriodicTimer {
public:
    using Handler = std::function<void()>;

    explicit PeriodicTimer(TimerBackend& backend, bool enabled = true, std::int32_t intervalMs = 1000);
    ~PeriodicTimer();
    PeriodicTimer(const PeriodicTimer&) = delete;
    PeriodicTimer& operator=(const PeriodicTimer&) = delete;

    bool Enabled() const noexcept { return enabled_; }
    std::int32_t Interval() const noexcept { return interval_; }
    bool Running() const noexcept { return running_; }

    // Each setter throws core::Error("Not enough timers available") when the
    // platform refuses the new countdown; the new value stays stored.
    void SetEnabled(bool enabled);
    void SetInterval(std::int32_t intervalMs);
    void SetHandler(Handler handler);

    // Called by the platform at each period.
    void Tick() const;

private:
    void Update();

    TimerBackend& backend_;
    bool enabled_;
    std::int32_t interval_;
    Handler handler_;
    bool running_ = false;
};

}  // namespace core
