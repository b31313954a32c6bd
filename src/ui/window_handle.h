#pragma once
// Owner for a window handle: the window goes with its owner.

#include <windows.h>

namespace ui {

class WindowHandle {
public:
    WindowHandle() = default;
    explicit WindowHandle(HWND window) : window_(window) {}
    ~WindowHandle() { Reset(); }
    WindowHandle(const WindowHandle&) = delete;
    WindowHandle& operator=(const WindowHandle&) = delete;

    HWND Get() const noexcept { return window_; }
    explicit operator bool() const noexcept { return window_ != nullptr; }

    void Reset(HWND window = nullptr) noexcept
    {
        if (window_ && IsWindow(window_))
            DestroyWindow(window_);
        window_ = window;
    }

private:
    HWND window_ = nullptr;
};

}  // namespace ui
