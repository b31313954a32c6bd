#pragma once
// An editable drop-down list: a list of items and a text the user may type.

#include <initializer_list>
#include <string>

#include "ui/control.h"

namespace ui {

class ComboBox : public Control {
public:
    void Create(Container& parent, int id, const Bounds& bounds, std::initializer_list<const char16_t*> items,
                int dropDownCount);
    void SetItemIndex(int index);
    // Styled, the items of the open list.
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
};

}  // namespace ui
