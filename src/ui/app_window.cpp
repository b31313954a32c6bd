#include "ui/app_window.h"

#include <algorithm>
#include <exception>

#include "platform/system_function.h"
#include "platform/wide.h"
#include "ui/guarded.h"

namespace ui {
namespace {

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

AppWindow::AppWindow() : taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated"))
{
    AllowFromUnelevatedShell(taskbarCreated_);
    WindowParams params{L"TApplication"};
    params.style = WS_POPUP | WS_CLIPSIBLINGS | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    params.exStyle = WS_EX_TOOLWINDOW;
    params.x = GetSystemMetrics(SM_CXSCREEN) / 2;
    params.y = GetSystemMetrics(SM_CYSCREEN) / 2;
    CreateOwn(params);
    HMENU systemMenu = GetSystemMenu(Handle(), FALSE);
    DeleteMenu(systemMenu, SC_MAXIMIZE, MF_BYCOMMAND);
    DeleteMenu(systemMenu, SC_SIZE, MF_BYCOMMAND);
    DeleteMenu(systemMenu, SC_MOVE, MF_BYCOMMAND);
}

void AppWindow::SetTitle(const std::u16string& title)
{
    title_ = title;
    errors_.SetTitle(title);
    SetWindowTextW(Handle(), platform::Wide(title_));
}

void AppWindow::CarryTaskbarButton()
{
    SetWindowLongPtrW(Handle(), GWL_EXSTYLE, GetWindowLongPtrW(Handle(), GWL_EXSTYLE) | WS_EX_APPWINDOW);
}

void AppWindow::AddClient(AppWindowClient& client)
{
    clients_.push_back(&client);
}

void AppWindow::RemoveClient(AppWindowClient& client) noexcept
{
    clients_.erase(std::remove(clients_.begin(), clients_.end(), &client), clients_.end());
}

void AppWindow::MainWindowShowing()
{
    if (taskbarButton_.ShowWithMainWindow(IsWindowVisible(Handle()) != FALSE))
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void AppWindow::MainWindowHidden()
{
    if (taskbarButton_.HideWithMainWindow(IsWindowVisible(Handle()) != FALSE))
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT AppWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kReportErrorMessage) {
        errors_.ShowException(*reinterpret_cast<const std::exception_ptr*>(lParam), Handle());
        return 1;
    }
    // A client may go while a message is handled, as the icon does at exit.
    const std::vector<AppWindowClient*> clients = clients_;
    for (AppWindowClient* client : clients) {
        if (std::find(clients_.begin(), clients_.end(), client) == clients_.end())
            continue;
        if (const std::optional<LRESULT> answer = client->OnAppMessage(message, wParam, lParam))
            return *answer;
    }
    if (message == taskbarCreated_ || message == WM_SETTINGCHANGE) {
        if (OnSettingsChange)
            OnSettingsChange(nullptr);
        return message == WM_SETTINGCHANGE ? 0 : Default(message, wParam, lParam);
    }
    return Default(message, wParam, lParam);
}

}  // namespace ui
