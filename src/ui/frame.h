#pragma once
// A form's frame drawn in the style: the border, the title bar with the
// window's small icon and text, and the close box in its normal, hot,
// pressed and inactive states. Its border and title are the style's, scaled
// by the window's pixels per inch, on every monitor and every Windows; the
// hit test answers for exactly what is drawn.

#include <windows.h>

#include "core/style_data.h"

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
    void SetCloseHot(bool hot);
    // The close box is pressed while the button is held over it. True when
    // the button came up there, which closes the window, as the system's does.
    bool TrackCloseBox();

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

    HWND window_;
    const core::StyleData& style_;
    int dpi_;
    bool active_ = true;
    bool closeHot_ = false;
    bool closePressed_ = false;
};

}  // namespace ui
