#pragma once
// The periodic timer of the toolkit: the rules of core::PeriodicTimer over
// SetTimer on the application window, under an identifier of its own.
// Ticks arrive as WM_TIMER through the thread's message loop.

#include <cstdint>
#include <optional>

#include "core/periodic_timer.h"
#include "ui/app_window.h"
#include "ui/object.h"

namespace ui {

class Timer : public Object, private AppWindowClient {
public:
    Timer(AppWindow& window, bool enabled, std::int32_t intervalMs);
    ~Timer() override;
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    // Each setter throws core::Error("Not enough timers available") when the
    // system refuses the new countdown; the new value stays stored.
    bool Enabled() const noexcept { return periodic_.Enabled(); }
    void SetEnabled(bool enabled) { Apply(periodic_.SetEnabled(enabled)); }
    std::int32_t Interval() const noexcept { return periodic_.Interval(); }
    void SetInterval(std::int32_t intervalMs) { Apply(periodic_.SetInterval(intervalMs)); }
    void SetOnTimer(NotifyEvent handler);

private:
    void Apply(core::TimerChange change);
    std::optional<LRESULT> OnAppMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    AppWindow& window_;
    UINT_PTR id_;
    core::PeriodicTimer periodic_;
    NotifyEvent onTimer_;
};

}  // namespace ui
