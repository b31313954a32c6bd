#include "ui/timer.h"

#include <utility>

namespace ui {

Timer::Timer(bool enabled, std::int32_t intervalMs) : id_(App().NewTimerId()), periodic_(*this, enabled, intervalMs)
{
    App().AddClient(*this);
}

Timer::~Timer()
{
    App().RemoveClient(*this);
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
    return SetTimer(App().Handle(), id_, intervalMs, nullptr) != 0;
}

void Timer::Stop()
{
    KillTimer(App().Handle(), id_);
}

std::optional<LRESULT> Timer::OnAppMessage(UINT message, WPARAM wParam, LPARAM)
{
    if (message != WM_TIMER || wParam != id_)
        return std::nullopt;
    periodic_.Tick();
    return 0;
}

}  // namespace ui
