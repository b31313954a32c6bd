#include "ui/timer.h"

#include <string>
#include <utility>

#include "core/error.h"
#include "core/error_text.h"

namespace ui {

Timer::Timer(AppWindow& window, bool enabled, std::int32_t intervalMs)
    : window_(window), id_(window.NewTimerId()), periodic_(enabled, intervalMs)
{
    window_.AddClient(*this);
}

Timer::~Timer()
{
    window_.RemoveClient(*this);
    if (periodic_.Running())
        KillTimer(window_.Handle(), id_);
}

void Timer::SetOnTimer(NotifyEvent handler)
{
    onTimer_ = std::move(handler);
    Apply(periodic_.SetHandlerBound(static_cast<bool>(onTimer_)));
}

void Timer::Apply(core::TimerChange change)
{
    switch (change.kind) {
    case core::TimerChange::Kind::None:
        break;
    case core::TimerChange::Kind::Stop:
        KillTimer(window_.Handle(), id_);
        break;
    case core::TimerChange::Kind::Start:
        // A countdown of the same identifier starts over with the new period.
        if (!SetTimer(window_.Handle(), id_, change.intervalMs, nullptr)) {
            KillTimer(window_.Handle(), id_);
            periodic_.StartRefused();
            throw core::Error(std::u16string(core::kNotEnoughTimers));
        }
        break;
    }
}

std::optional<LRESULT> Timer::OnAppMessage(UINT message, WPARAM wParam, LPARAM)
{
    if (message != WM_TIMER || wParam != id_)
        return std::nullopt;
    // A tick already waiting when the countdown stopped is dropped.
    if (periodic_.Running() && onTimer_)
        onTimer_(this);
    return 0;
}

}  // namespace ui
