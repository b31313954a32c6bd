#include "ui/style_error_dialog.h"

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "platform/wide.h"
#include "ui/common_controls.h"
#include "ui/dialog_hook.h"

namespace ui {
namespace {

constexpr const wchar_t* kTitle = L"Error";
constexpr const wchar_t* kCloseCaption = L"&Close";

// TaskDialogIndirect exists only in common controls 6, which the manifest
// asks for; the executable must still start where it is missing.
using TaskDialogIndirectFunction = HRESULT WINAPI(const TASKDIALOGCONFIG*, int*, int*, BOOL*);

TaskDialogIndirectFunction* TaskDialogIndirectOrNull()
{
    return reinterpret_cast<TaskDialogIndirectFunction*>(
        reinterpret_cast<void*>(GetProcAddress(CommonControls().module, "TaskDialogIndirect")));
}

bool ShowTaskDialog(const std::u16string& text)
{
    TaskDialogIndirectFunction* taskDialog = TaskDialogIndirectOrNull();
    if (!taskDialog)
        return false;
    const TASKDIALOG_BUTTON close = {IDCLOSE, kCloseCaption};
    TASKDIALOGCONFIG config = {};
    config.cbSize = sizeof config;
    config.hInstance = GetModuleHandleW(nullptr);
    config.pszWindowTitle = kTitle;
    config.pszMainIcon = TD_ERROR_ICON;
    config.pszContent = platform::Wide(text);
    config.cButtons = 1;
    config.pButtons = &close;
    config.nDefaultButton = IDCLOSE;
    return SUCCEEDED(taskDialog(&config, nullptr, nullptr, nullptr));
}

void ShowMessageBox(const std::u16string& text)
{
    // The message box's one button is OK; it is renamed before the box shows.
    const NextDialogHook rename([](HWND box, void*) { SetDlgItemTextW(box, IDOK, kCloseCaption); }, nullptr);
    MessageBoxW(nullptr, platform::Wide(text), kTitle, MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

}  // namespace

void ShowStyleError(std::u16string_view text)
{
    const std::u16string terminated(text);
    if (!ShowTaskDialog(terminated))
        ShowMessageBox(terminated);
}

}  // namespace ui
