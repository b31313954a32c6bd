#pragma once
// What the mouse is over, for drawing it lit: a part of a window (a tab,
// the close box, a part of a scroll bar) or the window as a whole. It is
// followed from the window's mouse messages. When the mouse comes over
// something, the system is asked for the leave message, so that the light
// goes out when the mouse leaves the window.

#include <windows.h>

namespace ui {

// Where the mouse's leave is reported: the client area (WM_MOUSELEAVE), the
// frame (WM_NCMOUSELEAVE), or nowhere, for a window that holds the mouse
// capture and says itself when the mouse has left.
enum class HoverArea { Client, NonClient, Captured };

void RequestLeaveMessage(HWND window, HoverArea area) noexcept;

template <class Part>
class Hover {
public:
    // `none` is the part that stands for nothing lit.
    explicit Hover(HoverArea area, Part none = Part{}) noexcept : area_(area), none_(none), part_(none) {}

    Part Current() const noexcept { return part_; }
    bool Over() const noexcept { return part_ != none_; }

    // The mouse moved over the part (`none` for nothing lit). True when
    // what is lit changed.
    bool MovedOver(HWND window, Part part) noexcept
    {
        if (part == part_)
            return false;
        if (part_ == none_)
            RequestLeaveMessage(window, area_);
        part_ = part;
        return true;
    }

    // The mouse left. True when something was lit.
    bool Left() noexcept { return MovedOver(nullptr, none_); }

private:
    HoverArea area_;
    Part none_;
    Part part_;
};

// The mouse over a whole window, from its WM_MOUSEMOVE and WM_MOUSELEAVE.
class MouseOver {
public:
    // True when the message changed it.
    bool Update(HWND window, UINT message) noexcept
    {
        if (message == WM_MOUSEMOVE)
            return hover_.MovedOver(window, true);
        return message == WM_MOUSELEAVE && hover_.Left();
    }
    bool Over() const noexcept { return hover_.Over(); }

private:
    Hover<bool> hover_{HoverArea::Client};
};

}  // namespace ui
