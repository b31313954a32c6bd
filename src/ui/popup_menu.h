#pragma once
// A popup menu of items and separators, owned by the application window,
// which receives the chosen item's WM_COMMAND and clicks that item. In a
// style its items are owner-drawn.

#include <windows.h>
#include <oleacc.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "core/style_data.h"
#include "ui/app_window.h"
#include "ui/gdi.h"
#include "ui/object.h"
#include "ui/style_paint.h"

namespace ui {

class Container;

class MenuItem : public Object {
public:
    // A caption of "-" makes a separator, which has no command.
    explicit MenuItem(std::u16string caption);
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

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
    // An owner-drawn item's data: screen readers find its name there.
    MSAAMENUINFO accessible_;
};

class PopupMenu : public Object, private AppWindowClient {
public:
    // The menu of the application window, which gets its messages.
    PopupMenu(AppWindow& window, std::initializer_list<MenuItem*> items);
    ~PopupMenu() override;
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;

    // Makes the menu, in the style of the window it belongs to.
    void Create(const Container& owner);

    // Pops the menu up with its top-left corner at the screen point and
    // returns when it has closed; a chosen item is clicked afterwards, from
    // its WM_COMMAND.
    void Popup(POINT at);

private:
    std::optional<LRESULT> OnAppMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The items' sizes for the monitor the menu opens on.
    void MakeOwnerDrawn(int dpi);
    const MenuItem* ItemOf(ULONG_PTR itemData) const noexcept;
    void MeasureItem(MEASUREITEMSTRUCT& item);
    void DrawItem(const DRAWITEMSTRUCT& item);

    AppWindow& window_;
    std::vector<MenuItem*> items_;
    HMENU menu_ = nullptr;
    const core::StyleData* style_ = nullptr;
    int dpi_ = 0;
    UniqueFont font_;
    paint::BrushCache brushes_;
};

}  // namespace ui
