#include "ui/timer.h"

#include <utility>

namespace ui {
namespace {

constexpr UINT_PTR kTimerId = 1;

}  // namespace

Timer::Timer(bool enabled, std::int32_t intervalMs) : periodic_(*this, enabled, intervalMs)
{
    WindowParams params{L"TTimerWindow"};
    params.style = WS_POPUP;
    params.parent = HWND_MESSAGE;
    window_.Reset(CreateTargetWindow(params, *this));
}

void Timer::SetOnTimer(NotifyEvent handler)
{
    onTimer_ = std::move(handler);
    if (onTimer_)
        periodic_.SetHandler([this] { onTimer_(this); });
    else
        periodic_.SetHandler(nullptr);
}

bool Timer::Start(std::uint32_t intervalMs)
{
    return SetTimer(window_.Get(), kTimerId, intervalMs, nullptr) != 0;
}

void Timer::Stop()
{
    KillTimer(window_.Get(), kTimerId);
}

LRESULT Timer::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_TIMER && wParam == kTimerId) {
        periodic_.Tick();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace ui
