#include "ui/combo_box.h"

#include <commctrl.h>

namespace ui {

void ComboBox::Create(Container& parent, int id, const Bounds& bounds,
                      std::initializer_list<const char16_t*> items, int dropDownCount)
{
    CreateChild(parent, {L"ComboBox", WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0,
                         u"", id},
                bounds);
    for (const char16_t* item : items)
        SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    SendMessageW(Handle(), CB_SETMINVISIBLE, static_cast<WPARAM>(dropDownCount), 0);
}

void ComboBox::SetItemIndex(int index)
{
    SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

}  // namespace ui
