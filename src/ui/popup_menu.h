#pragma once
// A popup menu of items and separators. Its owner is a hidden window of its
// own, which receives the chosen item's WM_COMMAND and clicks that item.

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "core/style_data.h"
#include "ui/gdi.h"
#include "ui/object.h"
#include "ui/style_paint.h"
#include "ui/window_class.h"
#include "ui/window_handle.h"

namespace ui {

class MenuItem : public Object {
public:
    // A caption of "-" makes a separator, which has no command.
    explicit MenuItem(std::u16string caption) : caption_(std::move(caption)) {}

    const std::u16string& Caption() const noexcept { return caption_; }
    bool IsSeparator() const noexcept { return caption_ == u"-"; }
    bool Enabled() const noexcept { return enabled_; }
    UINT Command() const noexcept { return command_; }

    // Runs the handler unless the item is disabled.
    void Click();

    NotifyEvent OnClick;

private:
    friend class PopupMenu;
    std::u16string caption_;
    bool enabled_ = true;
    UINT command_ = 0;
};

class PopupMenu : public Object, private MessageTarget {
public:
    PopupMenu(std::initializer_list<MenuItem*> items);
    ~PopupMenu() override;
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;

    HMENU Handle() const noexcept { return menu_; }
    HWND Owner() const noexcept { return owner_.Get(); }
    const std::vector<MenuItem*>& Items() const noexcept { return items_; }

    // Pops the menu up with its top-left corner at the screen point and
    // returns when it has closed; a chosen item is clicked afterwards, from
    // its WM_COMMAND.
    void Popup(POINT at);

private:
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    // Styled, the items are drawn by the program at its owner window.
    void MakeStyled();
    void MeasureItem(MEASUREITEMSTRUCT& item);
    void DrawItem(const DRAWITEMSTRUCT& item);

    std::vector<MenuItem*> items_;
    WindowHandle owner_;
    HMENU menu_;
    const core::StyleData* style_;
    int dpi_ = 96;
    UniqueFont font_;
    paint::BrushCache brushes_;
};

}  // namespace ui
