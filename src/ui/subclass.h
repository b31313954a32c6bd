#pragma once
// Puts a window procedure of ours in front of a system control's own, and
// takes it away again before the control goes.

#include <windows.h>

namespace ui {

class Subclass {
public:
    Subclass() = default;
    ~Subclass()
    {
        if (original_)
            SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    }
    Subclass(const Subclass&) = delete;
    Subclass& operator=(const Subclass&) = delete;

    void Attach(HWND window, WNDPROC procedure)
    {
        window_ = window;
        original_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
    }

    LRESULT CallOriginal(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const
    {
        return CallWindowProcW(original_, window, message, wParam, lParam);
    }

private:
    HWND window_ = nullptr;
    WNDPROC original_ = nullptr;
};

}  // namespace ui
