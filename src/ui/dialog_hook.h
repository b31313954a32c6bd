#pragma once
// Finds the dialog box that the thread opens next, such as a message box,
// made with its controls and not yet shown, for the length of a scope. It
// only finds the window; what is done with it is the caller's.

#include <windows.h>

namespace ui {

class NextDialogHook {
public:
    using Found = void (*)(HWND dialog, void* context);

    NextDialogHook(Found found, void* context);
    ~NextDialogHook();
    NextDialogHook(const NextDialogHook&) = delete;
    NextDialogHook& operator=(const NextDialogHook&) = delete;

private:
    static LRESULT CALLBACK OnWindowEvent(int code, WPARAM wParam, LPARAM lParam);
    void Unhook() noexcept;

    Found found_;
    void* context_;
    HHOOK hook_;
    // A box opened from inside another box's message loop has a hook of its
    // own; the outer one is waiting again once the inner one is done.
    NextDialogHook* outer_;
};

}  // namespace ui
