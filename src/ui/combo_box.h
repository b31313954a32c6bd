#pragma once
// An editable drop-down list: a list of items and a text the user may type.
// Its open list shows a given number of items, with common controls 5 as
// with 6. In a style the list's items are owner-drawn, the frame and the
// button are drawn in the box's own WM_PAINT (the system offers no other
// path for them), and the open list has the style's scroll bar and border.

#include <initializer_list>
#include <memory>

#include "ui/control.h"
#include "ui/hover.h"

namespace ui {

class ComboBox : public Control {
public:
    ComboBox();
    ~ComboBox() override;

    // The box is made with its items, the one at ITEMINDEX selected, and an
    // open list that shows DROPDOWNCOUNT of them.
    void Create(Container& parent, int id, const Bounds& bounds, std::initializer_list<const char16_t*> items,
                int itemIndex, int dropDownCount);

    bool Owns(HWND window) const noexcept override;
    void OnCommand(WORD code) override;
    void DrawItem(const DRAWITEMSTRUCT& item) override;
    ControlColours StyledColours(UINT ctlColorMessage) const override;
    void OnDpiChanged() override { SizeList(Handle()); }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    class OpenList;

    void SizeList(HWND combo);
    void Paint();

    std::unique_ptr<OpenList> list_;
    HWND listWindow_ = nullptr;
    MouseOver mouse_;
    int dropDownCount_ = 8;
};

}  // namespace ui
