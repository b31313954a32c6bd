#pragma once
// Windows of the toolkit's own classes deliver their messages to an object.

#include <windows.h>

namespace ui {

class MessageTarget {
public:
    virtual ~MessageTarget() = default;
    virtual LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;
};

struct WindowParams {
    const wchar_t* className;
    DWORD style = 0;
    DWORD exStyle = 0;
    const wchar_t* text = L"";
    int x = 0, y = 0, width = 0, height = 0;
    HWND parent = nullptr;
    int id = 0;
};

// Creates a window of the named class, registering the class on first use;
// from WM_NCCREATE on, its messages go to the target (errors reported).
HWND CreateTargetWindow(const WindowParams& params, MessageTarget& target);

// The target no longer receives the window's messages.
void DetachTarget(HWND window) noexcept;

}  // namespace ui
