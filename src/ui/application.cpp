#include "ui/application.h"

#include <commctrl.h>

#include "platform/high_contrast.h"
#include "ui/common_controls.h"
#include "ui/message_loop.h"
#include "ui/style_lookup.h"

namespace ui {
namespace {

int StartupShowCommand()
{
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    return (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWDEFAULT;
}

// The common controls 5 refuse the whole call for a class they do not know,
// such as ICC_STANDARD_CLASSES, which the 6 register by themselves: only
// what both know.
void RegisterCommonControls()
{
    const INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES | ICC_TAB_CLASSES};
    CommonControls().initCommonControlsEx(&controls);
}

}  // namespace

Application::Application() : showCommand_(StartupShowCommand())
{
    RegisterCommonControls();
}

Application::~Application()
{
    mainForm_.reset();
    com_.reset();
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
    window_.SetStyle(style_);
}

void Application::Run()
{
    if (mainForm_) {
        if (showCommand_ == SW_SHOWMINNOACTIVE) {
            // Only the taskbar button shows; the window comes with its restore.
            window_.MainWindowShowing();
            ShowWindow(window_.Handle(), SW_SHOWMINNOACTIVE);
        } else {
            mainForm_->ShowFirstTime(showCommand_);
        }
    }
    RunMessageLoop();
    ShutDown();
}

void Application::ShutDown()
{
    if (!mainForm_)
        return;
    mainForm_->DestroyingByApplication();
    mainForm_.reset();
}

}  // namespace ui
