#pragma once
// Whether the mouse is over a window, followed from the window's own
// WM_MOUSEMOVE and WM_MOUSELEAVE, for drawing it lit.

#include <windows.h>

namespace ui {

class MouseOver {
public:
    // True when the message changed it.
    bool Update(HWND window, UINT message) noexcept;
    bool Over() const noexcept { return over_; }

private:
    bool over_ = false;
};

}  // namespace ui
