#include "ui/combo_box.h"

#include <commctrl.h>

#include "platform/dpi.h"
#include "ui/combo_box_skin.h"
#include "ui/current_style.h"
#include "ui/style_paint.h"

namespace ui {

void ComboBox::Create(Container& parent, int id, const Bounds& bounds,
                      std::initializer_list<const char16_t*> items, int dropDownCount)
{
    // Styled, the list's items are drawn by the program; the edit part stays the system's.
    const DWORD ownerDrawn = CurrentStyle() ? CBS_OWNERDRAWFIXED | CBS_HASSTRINGS : 0;
    CreateChild(parent,
                {L"ComboBox", WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL | ownerDrawn, 0,
                 u"", id},
                bounds);
    if (Style())
        SkinComboBox(Handle(), *Style());
    for (const char16_t* item : items)
        SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    SendMessageW(Handle(), CB_SETMINVISIBLE, static_cast<WPARAM>(dropDownCount), 0);
}

bool ComboBox::OnDrawItem(const DRAWITEMSTRUCT& item)
{
    if (!Style())
        return false;
    const core::StyleData& style = *Style();
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    paint::Fill(item.hDC, item.rcItem, style.ColourOf(selected ? "combo.list.selection" : "combo.list.background"));
    if (item.itemID == static_cast<UINT>(-1))
        return true;
    const auto length = SendMessageW(Handle(), CB_GETLBTEXTLEN, item.itemID, 0);
    std::u16string text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, u'\0');
    SendMessageW(Handle(), CB_GETLBTEXT, item.itemID, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    RECT area = item.rcItem;
    area.left += platform::ScaleForDpi(2, Dpi());
    paint::Text(item.hDC, text, area, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX,
                style.ColourOf(selected ? "combo.list.selection-text" : "combo.list.text"),
                reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0)));
    if (item.itemState & ODS_FOCUS)
        paint::FocusRect(item.hDC, item.rcItem, style.ColourOf("focus.rectangle"));
    return true;
}

void ComboBox::SetItemIndex(int index)
{
    SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

}  // namespace ui
