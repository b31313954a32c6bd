#include "ui/tray_icon.h"

#include <algorithm>

#include "ui/popup_menu.h"

namespace ui {
namespace {

// The icon's callback message; the program never asks the shell for a
// newer notification version, so its lParam is the mouse message itself.
constexpr UINT kCallbackMessage = WM_USER + 1;
constexpr UINT kInitialBalloonTimeoutMs = 10000;
// The balloon's own notifications, which the Vista headers name only for newer shells.
constexpr LPARAM kBalloonHidden = WM_USER + 3;
constexpr LPARAM kBalloonTimedOut = WM_USER + 4;

// The whole record on Vista and later; up to dwInfoFlags for older shells.
constexpr DWORD kPreVistaRecordSize = NOTIFYICONDATAW_V2_SIZE;
static_assert(sizeof(void*) != 4 || (sizeof(NOTIFYICONDATAW) == 956 && kPreVistaRecordSize == 936),
              "the record of Vista's shell");

DWORD RecordSize()
{
    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    GetVersionExW(&version);
#pragma GCC diagnostic pop
    return version.dwMajorVersion >= 6 ? sizeof(NOTIFYICONDATAW) : kPreVistaRecordSize;
}

// The field holds what fits of the text, and always its terminating zero.
template <std::size_t N>
void CopyText(wchar_t (&field)[N], const std::u16string& text)
{
    const std::size_t length = std::min(text.size(), N - 1);
    std::copy_n(text.begin(), length, field);
    field[length] = L'\0';
}

void SetFlag(UINT& flags, UINT flag, bool on)
{
    flags = on ? (flags | flag) : (flags & ~flag);
}

}  // namespace

TrayIcon::TrayIcon(AppWindow& window, PopupMenu& menu) : window_(window), menu_(menu), tip_(window.Title())
{
    HWND handle = window.Handle();
    record_.cbSize = RecordSize();
    record_.hWnd = handle;
    record_.uID = static_cast<UINT>(reinterpret_cast<UINT_PTR>(handle));
    record_.uFlags = NIF_MESSAGE | NIF_ICON;
    SetFlag(record_.uFlags, NIF_TIP, !tip_.empty());
    CopyText(record_.szTip, tip_);
    record_.uCallbackMessage = kCallbackMessage;
    record_.uTimeout = kInitialBalloonTimeoutMs;
    window_.AddClient(*this);
}

TrayIcon::~TrayIcon()
{
    window_.RemoveClient(*this);
    Send(NIM_DELETE);
}

void TrayIcon::Send(DWORD request)
{
    Shell_NotifyIconW(request, &record_);
}

void TrayIcon::SetHint(const std::u16string& hint)
{
    if (hint == tip_)
        return;
    tip_ = hint;
    CopyText(record_.szTip, tip_);
    SetFlag(record_.uFlags, NIF_TIP, !tip_.empty());
    if (visible_)
        Send(NIM_MODIFY);
}

void TrayIcon::SetIcon(HICON icon)
{
    icon_.reset(icon ? CopyIcon(icon) : nullptr);
    record_.hIcon = icon_.get();
    if (visible_)
        Send(NIM_MODIFY);
}

void TrayIcon::SetVisible(bool visible)
{
    if (visible == visible_)
        return;
    visible_ = visible;
    Send(visible ? NIM_ADD : NIM_DELETE);
}

// One request, one modification carrying the title and the text together:
// the shell of Windows 10 shows every modification with NIF_INFO as a
// notification of its own, and one sent for the title alone, while the last
// balloon was never reported hidden, would show the new title over the old text.
void TrayIcon::ShowBalloonNotice(const std::u16string& title, const std::u16string& text, std::int32_t timeoutMs)
{
    CopyText(record_.szInfoTitle, title);
    CopyText(record_.szInfo, text);
    record_.uTimeout = static_cast<UINT>(timeoutMs);
    record_.uFlags |= NIF_INFO;
    record_.dwInfoFlags = NIIF_NONE;
    Send(NIM_MODIFY);
}

std::optional<LRESULT> TrayIcon::OnAppMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == window_.TaskbarCreatedMessage()) {
        // The shell restarted and lost every icon. The broadcast is the
        // application's too.
        if (visible_)
            Send(NIM_ADD);
        return std::nullopt;
    }
    switch (message) {
    case WM_QUERYENDSESSION:
        return 1;
    case WM_ENDSESSION:
        if (wParam)
            Send(NIM_DELETE);
        return 0;
    case kCallbackMessage:
        Callback(lParam);
        return 0;
    default:
        return std::nullopt;
    }
}

void TrayIcon::Callback(LPARAM lParam)
{
    switch (lParam) {
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        if (OnDblClick)
            OnDblClick(this);
        break;
    case WM_RBUTTONUP:
        OpenMenu();
        break;
    case kBalloonHidden:
    case kBalloonTimedOut:
        record_.uFlags &= ~NIF_INFO;
        break;
    default:
        break;
    }
}

void TrayIcon::OpenMenu()
{
    POINT cursor;
    GetCursorPos(&cursor);
    // The menu closes when the user clicks elsewhere only if the program is
    // in the foreground.
    SetForegroundWindow(window_.Handle());
    menu_.Popup(cursor);
}

}  // namespace ui
