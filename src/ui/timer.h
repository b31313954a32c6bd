#pragma once
// The periodic timer of the toolkit: the platform-free rules of
// core::PeriodicTimer over SetTimer on a hidden window of its own. Ticks
// arrive as WM_TIMER through the thread's message loop.

#include <cstdint>

#include "core/periodic_timer.h"
#include "ui/object.h"
#include "ui/window_class.h"
#include "ui/window_handle.h"

namespace ui {

class Timer : public Object, private core::TimerBackend, private MessageTarget {
public:
    Timer(bool enabled, std::int32_t intervalMs);

    bool Enabled() const noexcept { return periodic_.Enabled(); }
    void SetEnabled(bool enabled) { periodic_.SetEnabled(enabled); }
    std::int32_t Interval() const noexcept { return periodic_.Interval(); }
    void SetInterval(std::int32_t intervalMs) { periodic_.SetInterval(intervalMs); }
    void SetOnTimer(NotifyEvent handler);

private:
    bool Start(std::uint32_t intervalMs) override;
    void Stop() override;
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    WindowHandle window_;
    core::PeriodicTimer periodic_;
    NotifyEvent onTimer_;
};

}  // namespace ui
