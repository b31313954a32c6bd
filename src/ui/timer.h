#pragma once
// The periodic timer of the toolkit: the rules of core::PeriodicTimer over
// SetTimer on the application window, under an identifier of its own.
// Ticks arrive as WM_TIMER through the thread's message loop.

#include <cstdint>
#include <optional>

#include "core/periodic_timer.h"
#include "ui/application.h"
#include "ui/object.h"

namespace ui {

class Timer : public Object, private core::TimerBackend, private AppWindowClient {
public:
    Timer(bool enabled, std::int32_t intervalMs);
    ~Timer() override;
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    bool Enabled() const noexcept { return periodic_.Enabled(); }
    void SetEnabled(bool enabled) { periodic_.SetEnabled(enabled); }
    std::int32_t Interval() const noexcept { return periodic_.Interval(); }
    void SetInterval(std::int32_t intervalMs) { periodic_.SetInterval(intervalMs); }
    void SetOnTimer(NotifyEvent handler);

private:
    bool Start(std::uint32_t intervalMs) override;
    void Stop() override;
    std::optional<LRESULT> OnAppMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    UINT_PTR id_;
    core::PeriodicTimer periodic_;
    NotifyEvent onTimer_;
};

}  // namespace ui
