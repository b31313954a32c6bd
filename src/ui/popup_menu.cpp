#include "ui/popup_menu.h"

#include "platform/dpi.h"
#include "platform/system_metrics.h"
#include "platform/wide.h"
#include "ui/container.h"

namespace ui {
namespace {

constexpr core::ColourKey kBackground("menu.background");
constexpr core::ColourKey kSeparator("menu.separator");
constexpr core::GradientKey kHotBackground("menu.hot.background");
constexpr core::ColourKey kHotBorder("menu.hot.border");
constexpr core::ColourKey kText("menu.text");
constexpr core::ColourKey kHotText("menu.hot.text");
constexpr core::ColourKey kDisabledText("menu.disabled-text");
constexpr core::MetricKey kSeparatorHeight("menu.separator-height");
constexpr core::MetricKey kPadding("menu.padding");
constexpr core::MetricKey kItemHeight("menu.item-height");
constexpr core::MetricKey kBorderWidth("menu.border-width");
constexpr core::MetricKey kCornerRadius("menu.corner-radius");

// Command identifiers of the items, clear of IDOK, IDCANCEL and the like.
constexpr UINT kFirstCommand = 100;

}  // namespace

MenuItem::MenuItem(std::u16string caption)
    : caption_(std::move(caption)),
      accessible_{MSAA_MENU_SIG, static_cast<DWORD>(caption_.size()),
                  const_cast<wchar_t*>(platform::Wide(caption_))}
{
}

void MenuItem::Click()
{
    if (enabled_ && OnClick)
        OnClick(this);
}

PopupMenu::PopupMenu(AppWindow& window, std::initializer_list<MenuItem*> items) : window_(window), items_(items)
{
    window_.AddClient(*this);
}

PopupMenu::~PopupMenu()
{
    window_.RemoveClient(*this);
    if (menu_)
        DestroyMenu(menu_);
}

void PopupMenu::Create(const Container& owner)
{
    style_ = owner.Style();
    menu_ = CreatePopupMenu();
    UINT command = kFirstCommand;
    for (MenuItem* item : items_) {
        if (item->IsSeparator()) {
            AppendMenuW(menu_, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        item->command_ = command++;
        AppendMenuW(menu_, MF_STRING | (item->enabled_ ? MF_ENABLED : MF_GRAYED), item->command_,
                    platform::Wide(item->caption_));
    }
    if (style_) {
        MENUINFO background = {};
        background.cbSize = sizeof background;
        background.fMask = MIM_BACKGROUND;
        background.hbrBack = brushes_.Get(style_->ColourOf(kBackground));
        SetMenuInfo(menu_, &background);
    }
}

void PopupMenu::Popup(POINT at)
{
    if (style_ && platform::DpiForPoint(at) != dpi_)
        MakeOwnerDrawn(platform::DpiForPoint(at));
    TrackPopupMenu(menu_, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, window_.Handle(), nullptr);
    // Without it a tray menu may fail to close, or close at once next time.
    PostMessageW(window_.Handle(), WM_NULL, 0, 0);
}

void PopupMenu::MakeOwnerDrawn(int dpi)
{
    dpi_ = dpi;
    const LOGFONTW menuFont = platform::MenuFont(dpi_);
    font_.reset(CreateFontIndirectW(&menuFont));
    // Set anew, the items are measured again at the new scale.
    const int count = GetMenuItemCount(menu_);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_DATA;
        GetMenuItemInfoW(menu_, static_cast<UINT>(i), TRUE, &info);
        info.fType |= MFT_OWNERDRAW;
        info.dwItemData = reinterpret_cast<ULONG_PTR>(&items_[static_cast<std::size_t>(i)]->accessible_);
        SetMenuItemInfoW(menu_, static_cast<UINT>(i), TRUE, &info);
    }
}

std::optional<LRESULT> PopupMenu::OnAppMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_MEASUREITEM: {
        auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (item.CtlType != ODT_MENU || !style_)
            return std::nullopt;
        MeasureItem(item);
        return TRUE;
    }
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item.CtlType != ODT_MENU || reinterpret_cast<HMENU>(item.hwndItem) != menu_ || !style_)
            return std::nullopt;
        DrawItem(item);
        return TRUE;
    }
    case WM_COMMAND:
        if (HIWORD(wParam) != 0 || lParam != 0)
            return std::nullopt;
        for (MenuItem* item : items_) {
            if (!item->IsSeparator() && item->Command() == LOWORD(wParam)) {
                item->Click();
                return 0;
            }
        }
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

const MenuItem* PopupMenu::ItemOf(ULONG_PTR itemData) const noexcept
{
    for (const MenuItem* item : items_) {
        if (reinterpret_cast<ULONG_PTR>(&item->accessible_) == itemData)
            return item;
    }
    return nullptr;
}

void PopupMenu::MeasureItem(MEASUREITEMSTRUCT& item)
{
    const MenuItem* entry = ItemOf(item.itemData);
    if (!entry)
        return;
    if (entry->IsSeparator()) {
        item.itemWidth = 0;
        item.itemHeight = static_cast<UINT>(paint::Scaled(*style_, kSeparatorHeight, dpi_));
        return;
    }
    const WindowDC dc(window_.Handle());
    const SelectedObject font(dc, font_.get());
    RECT extent = {0, 0, 0, 0};
    const std::u16string& caption = entry->Caption();
    DrawTextW(dc, platform::Wide(caption), static_cast<int>(caption.size()), &extent, DT_SINGLELINE | DT_CALCRECT);
    // The style's padding on both sides of the text.
    item.itemWidth = static_cast<UINT>(extent.right + 2 * paint::Scaled(*style_, kPadding, dpi_));
    item.itemHeight = static_cast<UINT>(paint::Scaled(*style_, kItemHeight, dpi_));
}

// The items on the style's background, the hot item on a lit plate,
// separators as thin lines.
void PopupMenu::DrawItem(const DRAWITEMSTRUCT& item)
{
    const MenuItem* entry = ItemOf(item.itemData);
    if (!entry)
        return;
    const core::StyleData& style = *style_;
    const RECT& area = item.rcItem;
    paint::Fill(item.hDC, area, style.ColourOf(kBackground));
    if (entry->IsSeparator()) {
        const int middle = (area.top + area.bottom) / 2;
        const int padding = paint::Scaled(style, kBorderWidth, dpi_) + platform::ScaleForDpi(2, dpi_);
        paint::Fill(item.hDC, {area.left + padding, middle, area.right - padding, middle + 1},
                    style.ColourOf(kSeparator));
        return;
    }
    const bool hot = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & (ODS_DISABLED | ODS_GRAYED)) != 0;
    if (hot && !disabled) {
        RECT plate = area;
        InflateRect(&plate, -paint::Scaled(style, kBorderWidth, dpi_), 0);
        paint::DrawPlate(item.hDC, plate,
                         {style.GradientOf(kHotBackground), style.ColourOf(kHotBorder),
                          paint::Scaled(style, kCornerRadius, dpi_), 1});
    }
    RECT text = area;
    text.left += paint::Scaled(style, kPadding, dpi_);
    const core::ColourKey colour = disabled ? kDisabledText : hot ? kHotText : kText;
    const UINT prefix = (item.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0;
    paint::Text(item.hDC, entry->Caption(), text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | prefix,
                style.ColourOf(colour), font_.get());
}

}  // namespace ui
