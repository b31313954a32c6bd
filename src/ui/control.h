#pragma once
// The base of every control: a child window placed by its bounds at 96
// pixels per inch, drawn in the style its parent gave it when it was made
// (or the system's look without one), told of the parent's WM_COMMAND,
// WM_NOTIFY and WM_DRAWITEM that concern it.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "core/style_data.h"
#include "ui/object.h"
#include "ui/window.h"

namespace ui {

class Container;

struct Bounds {
    int left = 0, top = 0, width = 0, height = 0;
};

// Custom: placed by another control, as a page is by its page control.
enum class Align { None, Top, Bottom, Client, Custom };

// What a control that the system draws is drawn in, while a style is in
// force: the answer to its WM_CTLCOLOR* message.
struct ControlColours {
    core::Colour background;
    core::Colour text;
};

class Control : public Object, public Window {
public:
    Container* Parent() const noexcept { return parent_; }
    const Bounds& DesignBounds() const noexcept { return bounds_; }
    Align GetAlign() const noexcept { return align_; }
    bool TakesParentFont() const noexcept { return parentFont_; }
    // The style the control is drawn in, or null for the system's look.
    const core::StyleData* Style() const noexcept { return style_; }
    // The parent's pixels per inch; the top-level window has its monitor's.
    virtual int Dpi() const noexcept;

    std::u16string Text() const;
    void SetText(const std::u16string& text);

    // Places the control at its bounds scaled to the parent's pixels per inch.
    void PlaceScaled();
    // Places it at an exact rectangle in device pixels (aligned controls);
    // a control already there is left alone.
    void PlaceAt(const RECT& rect);

    // Told by the parent.
    virtual void OnCommand(WORD) {}
    virtual LRESULT OnNotify(const NMHDR&) { return 0; }
    virtual void DrawItem(const DRAWITEMSTRUCT&) {}
    // The colours of a part the system draws, asked by its WM_CTLCOLOR*
    // message while a style is in force.
    virtual ControlColours StyledColours(UINT ctlColorMessage) const;
    // Whether the window is the control or one of its parts, such as the
    // edit and the list of a drop-down list.
    virtual bool Owns(HWND window) const noexcept;
    // The control, this one or one below it, that the window is or is a
    // part of; null for none.
    virtual Control* ControlOwning(HWND window) noexcept;
    // The mouse pointer over the control, or null for the class's own.
    virtual HCURSOR Cursor() const { return nullptr; }
    virtual void OnDpiChanged() {}

    // Adds, in tab order, the visible and enabled windows that the Tab key
    // stops at: the control itself if it is a tab stop.
    virtual void CollectTabStops(std::vector<HWND>& stops) const;

protected:
    struct Creation {
        const wchar_t* className;
        DWORD style;
        DWORD exStyle = 0;
        std::u16string text;
        int id = 0;
        // Where the window is made, in device pixels, when that is not its
        // bounds scaled: a label is as large as its text, a page is where
        // its page control shows pages.
        std::optional<RECT> placement = std::nullopt;
    };

    Control() = default;

    // A window of a system class as a child of the parent. While a style
    // is in force the system's visual styles are off for it: the style
    // draws it.
    void CreateChild(Container& parent, const Creation& creation, const Bounds& bounds);
    // The same in two steps, for a control that sets its window up before
    // the object is attached: what the window does on those messages then
    // goes past the toolkit, which has nothing to do with them yet.
    HWND MakeChild(Container& parent, const Creation& creation, const Bounds& bounds);
    void AdoptChild(HWND window);
    // A window of a class of the toolkit's own. Its window's parent may be
    // another control than the container it belongs to, as a page's is.
    void CreateOwnChild(Container& parent, HWND parentWindow, const Creation& creation, const Bounds& bounds);

    // Aligned controls are placed by the parent at once and whenever it resizes.
    void SetAlign(Align align);
    void SetTakesParentFont(bool takes) noexcept { parentFont_ = takes; }
    // The top-level window's style, which it gets from the application.
    void SetOwnStyle(const core::StyleData* style) noexcept { style_ = style; }

private:
    void JoinParent(Container& parent, const Bounds& bounds);
    RECT ScaledBounds() const;
    void Joined();

    Container* parent_ = nullptr;
    Bounds bounds_;
    Align align_ = Align::None;
    bool parentFont_ = true;
    const core::StyleData* style_ = nullptr;
};

}  // namespace ui
