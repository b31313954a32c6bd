#pragma once
// A window of the toolkit's own that holds controls: it places the aligned
// ones, passes each child's WM_COMMAND and WM_NOTIFY back to that child's
// object, and gives the children its font and background.

#include <vector>

#include "ui/control.h"
#include "ui/style_paint.h"
#include "ui/window_class.h"

namespace ui {

class Container : public Control, public MessageTarget {
public:
    ~Container() override;

    virtual int Dpi() const noexcept;
    virtual HFONT Font() const noexcept;

    void AddChild(Control& child);
    const std::vector<Control*>& Children() const noexcept { return children_; }

    // Places the aligned children inside the client area: top first, then
    // bottom, and what is left to the one that fills.
    void Realign();
    // Re-places every control below this one for a new scale.
    void RescaleChildren();

    // Its own stop, then its children's in the order they were created.
    void CollectTabStops(std::vector<HWND>& stops) const override;

    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    // The style's colour behind the children; only while a style is in force.
    core::Colour StyleBackground() const;

protected:
    Container() = default;

    // A child container of the toolkit class of that name. Its window's
    // parent may be another control than the container it belongs to.
    void CreateContainer(Container& owner, HWND parentWindow, const wchar_t* className, DWORD style,
                         const Bounds& bounds, int id);
    // Controls its own painting in derived classes.
    virtual void Paint(HDC, const RECT&) {}
    // The style's key for the colour behind the children.
    virtual const char* BackgroundKey() const noexcept { return "window.background"; }

private:
    void OnPaint(HWND window);
    LRESULT ReflectCommand(WPARAM wParam, LPARAM lParam);
    LRESULT ReflectNotify(LPARAM lParam);
    LRESULT ControlColor(HDC dc);
    LRESULT StyledControlColor(UINT message, HDC dc, HWND child);
    void EraseStyled(HWND window, HDC dc);
    LRESULT ReflectDrawItem(HWND window, WPARAM wParam, LPARAM lParam);
    bool SetChildCursor(HWND child);

    std::vector<Control*> children_;
    paint::BrushCache brushes_;
};

}  // namespace ui
