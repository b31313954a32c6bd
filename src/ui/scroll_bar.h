#pragma once
// A vertical scroll bar drawn in the style, in the non-client area of a
// window that then has no scroll bar of the system's (the log's text, the
// open list of the drop-down list): the track, two arrow buttons and a
// thumb, lit under the mouse and pressed while held. Arrows and track
// repeat while held; the thumb follows a drag and the window scrolls with
// it. The system never draws it, during a drag neither.

#include <windows.h>

#include "core/style_data.h"

namespace ui {

// What the window shows, in lines or items.
struct ScrollState {
    int first = 0;
    int visible = 0;
    int total = 0;
    friend bool operator==(const ScrollState& a, const ScrollState& b)
    {
        return a.first == b.first && a.visible == b.visible && a.total == b.total;
    }
};

class StyledScrollBar {
public:
    // The window the bar belongs to.
    class Owner {
    public:
        virtual ScrollState CurrentScroll() const = 0;
        virtual void ScrollTo(int first) = 0;
        // Where the bar is, in window coordinates.
        virtual RECT BarRect() const = 0;

    protected:
        ~Owner() = default;
    };

    StyledScrollBar(HWND window, Owner& owner, const core::StyleData& style) noexcept
        : window_(window), owner_(owner), style_(style)
    {
    }

    // The width the window leaves for it, at the window's scale.
    int Width() const;
    bool Contains(POINT screen) const;

    // Draws the whole bar into the window's non-client device context.
    void Paint(HDC windowDc);
    // Draws it again when what the window shows has changed.
    void Refresh();

    // The mouse moved to a screen point over the window, or left it.
    void TrackMouse(POINT screen);
    void MouseLeft();
    // Runs a press of the left button at the screen point, until the
    // button is released; the window keeps any mouse capture it had.
    void Press(POINT screen);
    // One turn of the mouse wheel, as the system counts it.
    void Wheel(short delta);

private:
    enum class Part { None, UpArrow, PageUp, Thumb, PageDown, DownArrow };
    struct Geometry {
        RECT bar, up, down, track, thumb;
        bool scrollable;
    };

    Geometry Measure(const ScrollState& state) const;
    Part PartAt(POINT screen, const ScrollState& state) const;
    void Redraw();
    void Step(Part part, const ScrollState& state);
    void Drag(POINT screen, int grab, const ScrollState& start);

    HWND window_;
    Owner& owner_;
    const core::StyleData& style_;
    ScrollState drawn_{-1, -1, -1};
    Part hot_ = Part::None;
    Part pressed_ = Part::None;
    int wheelRemainder_ = 0;
};

}  // namespace ui
