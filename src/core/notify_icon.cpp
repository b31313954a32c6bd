#include "core/notify_icon.h"

namespace core {
namespace {

std::u16string Truncated(std::u16string_view text, std::size_t length)
{
    return std::u16string(text.substr(0, length));
}

void SetFlag(std::uint32_t& flags, std::uint32_t flag, bool on)
{
    flags = on ? (flags | flag) : (flags & ~flag);
}

}  // namespace

IconAction ActionForCallback(std::uint32_t lParam) noexcept
{
    switch (lParam) {
    case 0x203:  // WM_LBUTTONDBLCLK
    case 0x206:  // WM_RBUTTONDBLCLK
    case 0x209:  // WM_MBUTTONDBLCLK
        return IconAction::DoubleClick;
    case 0x205:  // WM_RBUTTONUP
        return IconAction::OpenMenu;
    case 0x403:  // NIN_BALLOONHIDE
    case 0x404:  // NIN_BALLOONTIMEOUT
        return IconAction::BalloonClosed;
    default:
        return IconAction::None;
    }
}

NotifyIconState::NotifyIconState(NotifyShell& shell, std::u16string_view tip) : shell_(shell), tip_(tip)
{
    record_.tip = Truncated(tip, kTipLength);
    SetFlag(record_.flags, notify_flags::kTip, !tip.empty());
}

void NotifyIconState::SetTip(std::u16string_view tip)
{
    if (tip == tip_)
        return;
    tip_ = tip;
    record_.tip = Truncated(tip, kTipLength);
    SetFlag(record_.flags, notify_flags::kTip, !tip.empty());
    IconChanged();
}

void NotifyIconState::IconChanged()
{
    if (visible_)
        shell_.Send(ShellRequest::Modify, record_);
}

void NotifyIconState::SetVisible(bool visible)
{
    if (visible == visible_)
        return;
    visible_ = visible;
    shell_.Send(visible ? ShellRequest::Add : ShellRequest::Delete, record_);
}

void NotifyIconState::ShowBalloon(std::u16string_view title, std::u16string_view text, std::int32_t timeoutMs)
{
    if (title != balloonTitle_) {
        balloonTitle_ = title;
        record_.infoTitle = Truncated(title, kInfoTitleLength);
        shell_.Send(ShellRequest::Modify, record_);
    }
    if (text != balloonText_) {
        balloonText_ = text;
        record_.info = Truncated(text, kInfoLength);
        shell_.Send(ShellRequest::Modify, record_);
    }
    record_.timeout = static_cast<std::uint32_t>(timeoutMs);
    record_.flags |= notify_flags::kInfo;
    record_.infoFlags = 0;
    shell_.Send(ShellRequest::Modify, record_);
}

void NotifyIconState::BalloonClosed() noexcept
{
    record_.flags &= ~notify_flags::kInfo;
}

void NotifyIconState::TaskbarCreated()
{
    if (visible_)
        shell_.Send(ShellRequest::Add, record_);
}

void NotifyIconState::SessionEnding()
{
    shell_.Send(ShellRequest::Delete, record_);
}

void NotifyIconState::Remove()
{
    shell_.Send(ShellRequest::Delete, record_);
}

}  // namespace core
