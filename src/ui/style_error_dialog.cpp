#include "ui/style_error_dialog.h"

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "platform/wide.h"

namespace ui {
namespace {

constexpr const wchar_t* kTitle = L"Error";
constexpr const wchar_t* kCloseCaption = L"&Close";

// TaskDialogIndirect exists only in common controls 6, which the manifest
// asks for; the executable must still start where it is missing.
using TaskDialogIndirectFunction = HRESULT WINAPI(const TASKDIALOGCONFIG*, int*, int*, BOOL*);

TaskDialogIndirectFunction* TaskDialogIndirectOrNull()
{
    HMODULE commonControls = GetModuleHandleW(L"comctl32.dll");
    if (!commonControls)
        return nullptr;
    return reinterpret_cast<TaskDialogIndirectFunction*>(
        reinterpret_cast<void*>(GetProcAddress(commonControls, "TaskDialogIndirect")));
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

// The message box's one button is OK; it is renamed before the box shows.
HHOOK closeCaptionHook = nullptr;

LRESULT CALLBACK RenameOkToClose(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE) {
        SetDlgItemTextW(reinterpret_cast<HWND>(wParam), IDOK, kCloseCaption);
        UnhookWindowsHookEx(closeCaptionHook);
        closeCaptionHook = nullptr;
        return 0;
    }
    return CallNextHookEx(closeCaptionHook, code, wParam, lParam);
}

void ShowMessageBox(const std::u16string& text)
{
    closeCaptionHook = SetWindowsHookExW(WH_CBT, &RenameOkToClose, nullptr, GetCurrentThreadId());
    MessageBoxW(nullptr, platform::Wide(text), kTitle, MB_OK | MB_ICONERROR | MB_TASKMODAL);
    if (closeCaptionHook) {
        UnhookWindowsHookEx(closeCaptionHook);
        closeCaptionHook = nullptr;
    }
}

}  // namespace

void ShowStyleError(std::u16string_view text)
{
    const std::u16string terminated(text);
    if (!ShowTaskDialog(terminated))
        ShowMessageBox(terminated);
}

}  // namespace ui
