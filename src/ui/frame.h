#pragma once
// A form's frame drawn in the style: the border, the title bar with the
// window's small icon and text, and the close box in its normal, hot,
// pressed and inactive states. Its border and title are the style's, scaled
// by the window's pixels per inch, on every monitor and every Windows; the
// hit test answers for exactly what is drawn.

#include <windows.h>

#include <optional>

#include "core/style_data.h"
#include "ui/hover.h"

namespace ui {

class Frame {
public:
    // The frame is drawn at the form's pixels per inch, which it is told
    // whenever they change.
    Frame(HWND window, const core::StyleData& style, int dpi) noexcept : window_(window), style_(style), dpi_(dpi) {}
    void SetDpi(int dpi) noexcept { dpi_ = dpi; }

    // Draws the whole non-client area.
    void Paint();
    // The client area inside a window rectangle (WM_NCCALCSIZE).
    void ClientInside(RECT& window) const;
    // Drawn at the next Paint.
    void SetActive(bool active) noexcept { active_ = active; }
    // The system menu's place: below the small icon, on the screen.
    POINT SystemMenuPlace() const;
    LRESULT HitTest(POINT screen) const;
    // The mouse moved over the frame (WM_NCMOUSEMOVE's hit) or left it.
    void MouseMoved(WPARAM hit);
    void MouseLeft();
    // A press on the close box: it shows pressed while the button is held
    // over it, and the window closes when the button comes up there, as the
    // system's does.
    void PressCloseBox();
    // While the close box is held, the window hands its messages here first:
    // the mouse's moves, the button's release and the loss of the capture.
    // Nothing is returned for a message the press leaves to the window.
    std::optional<LRESULT> CloseBoxMessage(UINT message, LPARAM lParam);

private:
    struct Parts {
        RECT window;  // from the window's origin
        RECT client;
        RECT title;
        RECT closeBox;
        RECT icon;
    };

    Parts Measure() const;
    bool InCloseBox(POINT screen) const;
    void PaintTitle(HDC dc, const Parts& parts, int dpi);
    void PaintCloseBox(HDC dc, const RECT& box, int dpi);
    void CloseBoxHeldOver(bool inside);
    void EndCloseBoxPress(bool closes);

    HWND window_;
    const core::StyleData& style_;
    int dpi_;
    bool active_ = true;
    Hover<bool> closeHot_{HoverArea::NonClient};
    bool closeHeld_ = false;
    bool closePressed_ = false;
};

}  // namespace ui
