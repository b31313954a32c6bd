#include "ui/dialog_hook.h"

#include <cwchar>

namespace ui {
namespace {

// The hook that waits for the next dialog box; a hook procedure carries no
// context of its own.
NextDialogHook* waiting = nullptr;

bool IsDialogBox(HWND window)
{
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    return _wcsicmp(name, L"#32770") == 0;
}

}  // namespace

NextDialogHook::NextDialogHook(Found found, void* context)
    : found_(found),
      context_(context),
      hook_(SetWindowsHookExW(WH_CBT, &NextDialogHook::OnWindowEvent, nullptr, GetCurrentThreadId())),
      outer_(waiting)
{
    waiting = this;
}

NextDialogHook::~NextDialogHook()
{
    Unhook();
    waiting = outer_;
}

void NextDialogHook::Unhook() noexcept
{
    if (hook_)
        UnhookWindowsHookEx(hook_);
    hook_ = nullptr;
}

LRESULT CALLBACK NextDialogHook::OnWindowEvent(int code, WPARAM wParam, LPARAM lParam)
{
    NextDialogHook* self = waiting;
    while (self && !self->hook_)
        self = self->outer_;
    if (!self)
        return CallNextHookEx(nullptr, code, wParam, lParam);
    const HHOOK hook = self->hook_;
    if (code == HCBT_ACTIVATE && IsDialogBox(reinterpret_cast<HWND>(wParam))) {
        // Once found, the box is this hook's no more.
        self->Unhook();
        self->found_(reinterpret_cast<HWND>(wParam), self->context_);
        return 0;
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

}  // namespace ui
