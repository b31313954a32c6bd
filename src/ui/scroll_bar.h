#pragma once
// A vertical scroll bar drawn in the style, in the non-client area of a
// window that then has no scroll bar of the system's (the log's text, the
// open list of the drop-down list): the track, two arrow buttons and a
// thumb, lit under the mouse and pressed while held. Arrows and track
// repeat while held; the thumb follows a drag and the window scrolls with
// it. The system never draws it, during a drag neither.

#include <windows.h>

#include <optional>

#include "core/style_data.h"
#include "ui/hover.h"

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

    // `hover` tells where the window hears of the mouse's leave.
    StyledScrollBar(HWND window, Owner& owner, const core::StyleData& style, HoverArea hover) noexcept
        : window_(window), owner_(owner), style_(style), hot_(hover, Part::None)
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
    // Starts a press of the left button at the screen point. The window
    // takes the mouse capture for it, or keeps the capture it had.
    void Press(POINT screen);
    // While a press lasts, the window hands its messages here first: the
    // mouse's moves, the repeat timer, the button's release and the loss
    // of the capture carry the press on or end it. Nothing is returned for
    // a message the press leaves to the window.
    std::optional<LRESULT> PressMessage(UINT message, WPARAM wParam, LPARAM lParam);
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
    void PressMoved();
    void PressRepeats();
    void EndPress();

    // The press of the left button under way: the part it began on, what
    // the window showed then, where on the thumb it was taken, and whether
    // the window had the capture before.
    struct Hold {
        Part part = Part::None;
        ScrollState start;
        int grab = 0;
        bool hadCapture = false;
    };

    HWND window_;
    Owner& owner_;
    const core::StyleData& style_;
    ScrollState drawn_{-1, -1, -1};
    Hover<Part> hot_;
    Part pressed_ = Part::None;
    Hold hold_;
    int wheelRemainder_ = 0;
};

}  // namespace ui
