#pragma once
// A window of the toolkit's own that holds controls: it places the aligned
// ones, hands each child the WM_COMMAND, WM_NOTIFY, WM_DRAWITEM and
// WM_CTLCOLOR* messages that concern it, and gives the children its font,
// its style and its background.

#include <vector>

#include "ui/control.h"
#include "ui/style_paint.h"

namespace ui {

class Container : public Control {
public:
    virtual HFONT Font() const noexcept;

    void AddChild(Control& child);

    // Places the aligned children inside the client area: top first, then
    // bottom, and what is left to the one that fills.
    void Realign();
    // What the children aligned to the top and the bottom leave.
    RECT AreaLeft() const;
    // Re-places every control below this one for a new scale.
    void RescaleChildren();

    void OnDpiChanged() override { RescaleChildren(); }
    // A control below is found before the container that holds it.
    Control* ControlOwning(HWND window) noexcept override;
    // Its own stop, then its children's in the order they were created.
    void CollectTabStops(std::vector<HWND>& stops) const override;

    // The style's colour behind the children.
    core::Colour Background() const;

protected:
    Container() = default;

    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Draws what the container shows besides its children.
    virtual void Paint(HDC, const RECT&) {}
    // The style's key for the colour behind the children.
    virtual core::ColourKey BackgroundKey() const noexcept;

private:
    // Passes each child aligned to the top or the bottom its place, in
    // order; returns the area they leave.
    template <class Place>
    RECT PlaceTopAndBottom(Place place) const;
    // The control below this one that the window is, or is a part of: a
    // message may come from deeper down, as Enter's command does, which
    // the dialog manager sends to the form for a button on a page.
    Control* ChildOwning(HWND window) const noexcept;
    LRESULT ControlColour(UINT message, HDC dc, HWND window);
    void OnPaint();
    void EraseBackground(HDC dc);
    bool SetChildCursor(HWND window) const;

    std::vector<Control*> children_;
    paint::BrushCache brushes_;
};

}  // namespace ui
