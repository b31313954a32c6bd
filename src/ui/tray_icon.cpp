#include "ui/tray_icon.h"

#include <algorithm>

#include "platform/system_function.h"
#include "ui/application.h"
#include "ui/popup_menu.h"

namespace ui {
namespace {

// The whole record on Vista and later; up to dwInfoFlags for older shells.
constexpr DWORD kPreVistaRecordSize = 936;
static_assert(sizeof(NOTIFYICONDATAW) == 956, "the record of Vista's shell");

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

template <std::size_t N>
void CopyText(wchar_t (&field)[N], const std::u16string& text)
{
    const std::size_t length = std::min(text.size(), N - 1);
    std::copy_n(text.begin(), length, field);
    field[length] = L'\0';
}

// An elevated process gets no broadcasts from the unelevated shell unless
// it lets them through; without it the icon would be lost for good when
// the taskbar restarts.
void AllowFromUnelevatedShell(UINT message)
{
    using ChangeWindowMessageFilterFn = BOOL WINAPI(UINT, DWORD);
    constexpr DWORD kMessageFilterAdd = 1;
    if (auto* allow = platform::SystemFunction<ChangeWindowMessageFilterFn>(L"user32.dll",
                                                                            "ChangeWindowMessageFilter"))
        allow(message, kMessageFilterAdd);
}

}  // namespace

TrayIcon::TrayIcon(PopupMenu& menu)
    : menu_(menu),
      taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")),
      data_(std::make_unique<NOTIFYICONDATAW>()),
      state_(*this, App().Title())
{
    AllowFromUnelevatedShell(taskbarCreated_);
    // An ordinary top-level window: message-only windows get no broadcasts.
    WindowParams params{L"TTrayIconWindow"};
    params.style = WS_POPUP;
    params.exStyle = WS_EX_TOOLWINDOW;
    window_.Reset(CreateTargetWindow(params, *this));
    data_->cbSize = RecordSize();
    data_->hWnd = window_.Get();
    data_->uID = static_cast<UINT>(reinterpret_cast<UINT_PTR>(window_.Get()));
    data_->uCallbackMessage = core::kCallbackMessage;
}

TrayIcon::~TrayIcon()
{
    state_.Remove();
    DetachTarget(window_.Get());
}

void TrayIcon::SetIcon(HICON icon)
{
    icon_.reset(icon ? CopyIcon(icon) : nullptr);
    state_.IconChanged();
}

void TrayIcon::Send(core::ShellRequest request, const core::NotifyRecord& record)
{
    data_->uFlags = record.flags;
    data_->hIcon = icon_.get();
    CopyText(data_->szTip, record.tip);
    CopyText(data_->szInfo, record.info);
    CopyText(data_->szInfoTitle, record.infoTitle);
    data_->uTimeout = record.timeout;
    data_->dwInfoFlags = record.infoFlags;
    const DWORD message = request == core::ShellRequest::Add      ? NIM_ADD
                          : request == core::ShellRequest::Modify ? NIM_MODIFY
                                                                  : NIM_DELETE;
    Shell_NotifyIconW(message, data_.get());
}

LRESULT TrayIcon::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == taskbarCreated_) {
        state_.TaskbarCreated();
        return 0;
    }
    switch (message) {
    case WM_QUERYENDSESSION:
        return 1;
    case WM_ENDSESSION:
        if (wParam)
            state_.SessionEnding();
        return 0;
    case core::kCallbackMessage:
        IconCallback(lParam);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

void TrayIcon::IconCallback(LPARAM lParam)
{
    switch (core::ActionForCallback(static_cast<std::uint32_t>(lParam))) {
    case core::IconAction::DoubleClick:
        if (OnDblClick)
            OnDblClick(this);
        break;
    case core::IconAction::OpenMenu:
        OpenMenu();
        break;
    case core::IconAction::BalloonClosed:
        state_.BalloonClosed();
        break;
    case core::IconAction::None:
        break;
    }
}

void TrayIcon::OpenMenu()
{
    POINT cursor;
    GetCursorPos(&cursor);
    // The menu closes when the user clicks elsewhere only if the program is
    // in the foreground.
    SetForegroundWindow(App().Handle());
    App().ProcessMessages();
    menu_.Popup(cursor);
}

}  // namespace ui
