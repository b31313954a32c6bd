#include "ui/application.h"

#include <commctrl.h>

#include <algorithm>
#include <new>

#include "core/error.h"
#include "core/error_text.h"
#include "core/text.h"
#include "platform/high_contrast.h"
#include "platform/system_function.h"
#include "platform/wide.h"
#include "ui/common_controls.h"
#include "ui/guarded.h"
#include "ui/message_box_style.h"
#include "ui/style_lookup.h"

namespace ui {
namespace {

Application* theApplication = nullptr;

int StartupShowCommand()
{
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    return (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWDEFAULT;
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

// Every other window of the program is disabled while an error box is open,
// and enabled again afterwards.
class OtherWindowsDisabled {
public:
    explicit OtherWindowsDisabled(HWND keep) : keep_(keep)
    {
        EnumThreadWindows(GetCurrentThreadId(), &OtherWindowsDisabled::Collect, reinterpret_cast<LPARAM>(this));
        for (HWND window : disabled_)
            EnableWindow(window, FALSE);
    }
    ~OtherWindowsDisabled()
    {
        for (HWND window : disabled_) {
            if (IsWindow(window))
                EnableWindow(window, TRUE);
        }
    }
    OtherWindowsDisabled(const OtherWindowsDisabled&) = delete;
    OtherWindowsDisabled& operator=(const OtherWindowsDisabled&) = delete;

private:
    static BOOL CALLBACK Collect(HWND window, LPARAM self)
    {
        auto& disabler = *reinterpret_cast<OtherWindowsDisabled*>(self);
        if (window != disabler.keep_ && IsWindowVisible(window) && IsWindowEnabled(window))
            disabler.disabled_.push_back(window);
        return TRUE;
    }

    HWND keep_;
    std::vector<HWND> disabled_;
};

}  // namespace

Application& App()
{
    return *theApplication;
}

void ReportCurrentException() noexcept
{
    if (theApplication)
        theApplication->HandleException();
}

Application::Application()
    : showCommand_(StartupShowCommand()), taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated"))
{
    theApplication = this;
    // The common controls 5 refuse the whole call for a class they do not
    // know, such as ICC_STANDARD_CLASSES, which the 6 register by
    // themselves: only what both know.
    const INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES | ICC_TAB_CLASSES};
    CommonControls().initCommonControlsEx(&controls);
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

Application::~Application()
{
    mainForm_.reset();
    com_.reset();
    theApplication = nullptr;
}

void Application::SetTitle(const std::u16string& title)
{
    title_ = title;
    SetWindowTextW(Handle(), platform::Wide(title_));
}

void Application::InitializeCom()
{
    com_.emplace();
}

void Application::ApplyStyle(std::u16string_view name)
{
    // A high-contrast theme is the user's choice of colours for every
    // window: the program then takes the system's look, as without a style.
    if (platform::HighContrastOn())
        return;
    style_ = FindStyle(name, true);
}

void Application::AdoptMainForm(std::unique_ptr<Form> form)
{
    mainForm_ = std::move(form);
    SetWindowLongPtrW(Handle(), GWL_EXSTYLE, GetWindowLongPtrW(Handle(), GWL_EXSTYLE) | WS_EX_APPWINDOW);
}

void Application::AddClient(AppWindowClient& client)
{
    clients_.push_back(&client);
}

void Application::RemoveClient(AppWindowClient& client) noexcept
{
    clients_.erase(std::remove(clients_.begin(), clients_.end(), &client), clients_.end());
}

void Application::Run()
{
    if (mainForm_) {
        if (showCommand_ == SW_SHOWMINNOACTIVE) {
            // Only the taskbar button shows; the window comes with its restore.
            MainFormShowing();
            ShowWindow(Handle(), SW_SHOWMINNOACTIVE);
        } else {
            mainForm_->ShowFirstTime(showCommand_);
            mainFormShown_ = true;
        }
    }
    while (!terminated_) {
        if (!HandleOneMessage())
            WaitMessage();
    }
    ShutDown();
}

void Application::ShutDown()
{
    if (!mainForm_)
        return;
    mainForm_->DestroyingByApplication();
    mainForm_.reset();
}

void Application::ProcessMessages()
{
    while (HandleOneMessage()) {
    }
}

bool Application::HandleOneMessage()
{
    MSG message;
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        return false;
    if (message.message == WM_QUIT) {
        terminated_ = true;
        return true;
    }
    if (!IsDialogKey(message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return true;
}

bool Application::IsDialogKey(MSG& message)
{
    if (!mainForm_ || message.message < WM_KEYFIRST || message.message > WM_KEYLAST)
        return false;
    HWND form = mainForm_->Handle();
    if (message.hwnd != form && !IsChild(form, message.hwnd))
        return false;
    // Tab goes through the controls in the order of the layout, into the
    // shown page and out of it again, and never types into the log.
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0 &&
        GetKeyState(VK_MENU) >= 0) {
        mainForm_->SelectNext(GetKeyState(VK_SHIFT) >= 0);
        return true;
    }
    return IsDialogMessageW(form, &message) != FALSE;
}

void Application::HandleException() noexcept
{
    try {
        throw;
    } catch (const core::Error& error) {
        ShowException(error.Message());
    } catch (const std::bad_alloc&) {
        ShowException(u"Out of memory");
    } catch (const std::exception& error) {
        ShowException(core::FromAscii(error.what()));
    } catch (...) {
        ShowException(u"Unexpected error");
    }
}

void Application::ShowException(std::u16string_view message)
{
    const std::u16string text = core::ErrorBoxText(message);
    HWND active = GetActiveWindow();
    HWND focus = GetFocus();
    HWND owner = active ? active : Handle();
    if (HWND capture = GetCapture())
        SendMessageW(capture, WM_CANCELMODE, 0, 0);
    {
        const OtherWindowsDisabled disabled(owner);
        const StyledMessageBox styled(style_);
        MessageBoxW(owner, platform::Wide(text), platform::Wide(title_), MB_OK | MB_ICONSTOP);
    }
    if (active && IsWindow(active))
        SetActiveWindow(active);
    if (focus && IsWindow(focus))
        SetFocus(focus);
}

void Application::MainFormShowing()
{
    if (taskbarButton_.ShowWithMainWindow(IsWindowVisible(Handle()) != FALSE))
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_SHOWWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Application::MainFormHidden()
{
    if (taskbarButton_.HideWithMainWindow(IsWindowVisible(Handle()) != FALSE))
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT Application::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
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
    switch (message) {
    case WM_SYSCOMMAND:
        return SystemCommand(wParam, lParam);
    case WM_CLOSE:
        if (mainForm_)
            mainForm_->Close();
        return 0;
    case WM_SETFOCUS:
        if (mainForm_ && IsWindowVisible(mainForm_->Handle()) && IsWindowEnabled(mainForm_->Handle()))
            SetFocus(mainForm_->Handle());
        return 0;
    default:
        return Default(message, wParam, lParam);
    }
}

LRESULT Application::SystemCommand(WPARAM command, LPARAM lParam)
{
    const LRESULT result = Default(WM_SYSCOMMAND, command, lParam);
    if ((command & 0xFFF0) == SC_RESTORE && mainForm_) {
        if (!mainFormShown_) {
            mainFormShown_ = true;
            mainForm_->ShowFirstTime(SW_SHOWNORMAL);
        }
        SetForegroundWindow(mainForm_->Handle());
    }
    return result;
}

}  // namespace ui
