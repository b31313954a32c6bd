#pragma once
// The base of every control: a child window placed by its bounds at 96
// pixels per inch, found again from its handle, told of the parent's
// WM_COMMAND and WM_NOTIFY that concern it.

#include <windows.h>

#include <string>
#include <vector>

#include "core/style_data.h"
#include "ui/object.h"
#include "ui/window_handle.h"

namespace ui {

class Container;

struct Bounds {
    int left = 0, top = 0, width = 0, height = 0;
};

// Custom: placed by another control, as a page is by its page control.
enum class Align { None, Top, Bottom, Client, Custom };

class Control : public Object {
public:
    ~Control() override;

    HWND Handle() const noexcept { return handle_.Get(); }
    static Control* FromHandle(HWND window) noexcept;

    Container* Parent() const noexcept { return parent_; }
    const Bounds& DesignBounds() const noexcept { return bounds_; }
    Align GetAlign() const noexcept { return align_; }
    bool TakesParentFont() const noexcept { return parentFont_; }
    // The style in force when the control was made, or null for the system's look.
    const core::StyleData* Style() const noexcept { return style_; }

    std::u16string Text() const;
    void SetText(const std::u16string& text);

    // Places the control at its bounds scaled to the parent's pixels per inch.
    void PlaceScaled();
    // Places it at an exact rectangle in device pixels (aligned controls).
    void PlaceAt(const RECT& rect);

    // Reflected from the parent.
    virtual void OnCommand(WORD) {}
    virtual LRESULT OnNotify(const NMHDR&) { return 0; }
    // An owner-drawn control draws itself; false leaves it to the system.
    virtual bool OnDrawItem(const DRAWITEMSTRUCT&) { return false; }
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
    };

    Control() = default;

    // Creates a window of a system class as a child of the parent.
    void CreateChild(Container& parent, const Creation& creation, const Bounds& bounds);
    // Adopts a window that the derived class created itself.
    void Adopt(Container* parent, HWND window, const Bounds& bounds);

    // Aligned controls are placed by the parent at once and whenever it resizes.
    void SetAlign(Align align);
    void SetTakesParentFont(bool takes) noexcept { parentFont_ = takes; }
    int Dpi() const noexcept;
private:
    WindowHandle handle_;
    Container* parent_ = nullptr;
    Bounds bounds_;
    Align align_ = Align::None;
    bool parentFont_ = true;
    const core::StyleData* style_ = nullptr;
};

}  // namespace ui
