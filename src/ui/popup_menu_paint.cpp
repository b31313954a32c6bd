// The popup menu in the style: owner-drawn items on the style's background,
// the hot item on a lit plate, separators as thin lines.
#include "ui/popup_menu.h"

#include "platform/dpi.h"
#include "platform/system_metrics.h"
#include "platform/wide.h"

namespace ui {

void PopupMenu::MakeStyled()
{
    const LOGFONTW menuFont = platform::MenuFont(dpi_);
    font_.reset(CreateFontIndirectW(&menuFont));
    const int count = GetMenuItemCount(menu_);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_DATA;
        GetMenuItemInfoW(menu_, static_cast<UINT>(i), TRUE, &info);
        info.fType |= MFT_OWNERDRAW;
        info.dwItemData = reinterpret_cast<ULONG_PTR>(items_[static_cast<std::size_t>(i)]);
        SetMenuItemInfoW(menu_, static_cast<UINT>(i), TRUE, &info);
    }
    MENUINFO background = {};
    background.cbSize = sizeof background;
    background.fMask = MIM_BACKGROUND;
    background.hbrBack = brushes_.Get(style_->ColourOf("menu.background"));
    SetMenuInfo(menu_, &background);
}

void PopupMenu::MeasureItem(MEASUREITEMSTRUCT& item)
{
    const auto* entry = reinterpret_cast<const MenuItem*>(item.itemData);
    if (!entry || item.CtlType != ODT_MENU)
        return;
    if (entry->IsSeparator()) {
        item.itemWidth = 0;
        item.itemHeight = static_cast<UINT>(paint::Scaled(*style_, "menu.separator-height", dpi_));
        return;
    }
    const WindowDC dc(owner_.Get());
    const SelectedObject font(dc, font_.get());
    RECT extent = {0, 0, 0, 0};
    const std::u16string& caption = entry->Caption();
    DrawTextW(dc, platform::Wide(caption), static_cast<int>(caption.size()), &extent, DT_SINGLELINE | DT_CALCRECT);
    // The style's padding on both sides of the text.
    item.itemWidth = static_cast<UINT>(extent.right + 2 * paint::Scaled(*style_, "menu.padding", dpi_));
    item.itemHeight = static_cast<UINT>(paint::Scaled(*style_, "menu.item-height", dpi_));
}

void PopupMenu::DrawItem(const DRAWITEMSTRUCT& item)
{
    const auto* entry = reinterpret_cast<const MenuItem*>(item.itemData);
    if (!entry || item.CtlType != ODT_MENU)
        return;
    const core::StyleData& style = *style_;
    const RECT& area = item.rcItem;
    paint::Fill(item.hDC, area, style.ColourOf("menu.background"));
    if (entry->IsSeparator()) {
        const int middle = (area.top + area.bottom) / 2;
        const int padding = paint::Scaled(style, "menu.border-width", dpi_) + platform::ScaleForDpi(2, dpi_);
        paint::Fill(item.hDC, {area.left + padding, middle, area.right - padding, middle + 1},
                    style.ColourOf("menu.separator"));
        return;
    }
    const bool hot = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & (ODS_DISABLED | ODS_GRAYED)) != 0;
    if (hot && !disabled) {
        RECT plate = area;
        InflateRect(&plate, -paint::Scaled(style, "menu.border-width", dpi_), 0);
        paint::DrawPlate(item.hDC, plate,
                         {style.GradientOf("menu.hot.background"), style.ColourOf("menu.hot.border"),
                          paint::Scaled(style, "menu.corner-radius", dpi_), 1});
    }
    RECT text = area;
    text.left += paint::Scaled(style, "menu.padding", dpi_);
    const char* colour = disabled ? "menu.disabled-text" : hot ? "menu.hot.text" : "menu.text";
    paint::Text(item.hDC, entry->Caption(), text, DT_LEFT | DT_VCENTER | DT_SINGLELINE, style.ColourOf(colour),
                font_.get());
}

}  // namespace ui
