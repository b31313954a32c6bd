#include "ui/page_control.h"

#include <commctrl.h>

#include "platform/dpi.h"
#include "ui/gdi.h"
#include "ui/shared_style_keys.h"
#include "ui/style_paint.h"

namespace ui {
namespace {

constexpr core::ColourKey kPageBackground("page.background");
constexpr core::ColourKey kPageBorder("page.border");
constexpr core::MetricKey kTabCornerRadius("tab.corner-radius");
constexpr core::MetricKey kTabAccentHeight("tab.accent-height");
constexpr core::ColourKey kSelectedTabAccent("tab.selected.accent");
constexpr core::ColourKey kFocusedTabAccent("tab.focused.accent");
constexpr paint::PlateKeys kNormalTab = {core::GradientKey("tab.normal.background"),
                                         core::ColourKey("tab.normal.border"),
                                         core::ColourKey("tab.normal.text")};
constexpr paint::PlateKeys kHotTab = {core::GradientKey("tab.hot.background"),
                                      core::ColourKey("tab.hot.border"),
                                      core::ColourKey("tab.hot.text")};
constexpr paint::PlateKeys kSelectedTab = {core::GradientKey("tab.selected.background"),
                                           core::ColourKey("tab.selected.border"),
                                           core::ColourKey("tab.selected.text")};

RECT PageFrame(HWND window, const RECT& client)
{
    RECT display = client;
    SendMessageW(window, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    // The frame runs one pixel outside the pages on each side.
    return {client.left, display.top - 1, client.right, client.bottom};
}

std::u16string TabText(HWND window, int index)
{
    char16_t text[64] = {};
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = reinterpret_cast<wchar_t*>(text);
    item.cchTextMax = 64;
    SendMessageW(window, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return text;
}

}  // namespace

void PageControl::Create(Container& parent, int id, const Bounds& bounds)
{
    CreateChild(parent, {WC_TABCONTROLW, WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                         WS_EX_CONTROLPARENT, u"", id},
                bounds);
    SetAlign(Align::Top);
}

bool PageControl::AddTab(const std::u16string& caption)
{
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    std::u16string text = caption;
    item.pszText = reinterpret_cast<wchar_t*>(text.data());
    const auto index = static_cast<int>(SendMessageW(Handle(), TCM_INSERTITEMW, pages_.size(),
                                                     reinterpret_cast<LPARAM>(&item)));
    return index == ActivePage();
}

RECT PageControl::PageArea() const
{
    RECT display;
    GetClientRect(Handle(), &display);
    SendMessageW(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    return display;
}

void PageControl::AddPage(TabSheet& page)
{
    pages_.push_back(&page);
}

void PageControl::SetActivePage(int index)
{
    SendMessageW(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    ShowActivePage();
}

int PageControl::ActivePage() const
{
    return static_cast<int>(SendMessageW(Handle(), TCM_GETCURSEL, 0, 0));
}

bool PageControl::Owns(HWND window) const noexcept
{
    for (const TabSheet* page : pages_) {
        if (page->Owns(window))
            return false;
    }
    return Control::Owns(window);
}

LRESULT PageControl::OnNotify(const NMHDR& header)
{
    if (header.code == TCN_SELCHANGE) {
        ShowActivePage();
        if (Style())
            InvalidateRect(Handle(), nullptr, FALSE);
    }
    return 0;
}

void PageControl::PlacePages()
{
    const RECT display = PageArea();
    for (TabSheet* page : pages_)
        page->PlaceAt(display);
}

void PageControl::ShowActivePage()
{
    const int active = ActivePage();
    for (std::size_t i = 0; i < pages_.size(); ++i)
        ShowWindow(pages_[i]->Handle(), static_cast<int>(i) == active ? SW_SHOW : SW_HIDE);
}

LRESULT PageControl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (Style()) {
        switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            Paint();
            return 0;
        case WM_MOUSEMOVE:
            TrackHotTab(lParam);
            break;
        case WM_MOUSELEAVE:
            if (hotTab_.Left())
                InvalidateRect(Handle(), nullptr, FALSE);
            break;
        default:
            break;
        }
    }
    const LRESULT result = Default(message, wParam, lParam);
    // The pages follow the tab control whenever it changes size.
    if (message == WM_SIZE)
        PlacePages();
    // The selected tab's accent shows the focus and its cue.
    if (Style() && (message == WM_SETFOCUS || message == WM_KILLFOCUS || message == WM_UPDATEUISTATE))
        InvalidateRect(Handle(), nullptr, FALSE);
    return result;
}

void PageControl::TrackHotTab(LPARAM position)
{
    TCHITTESTINFO hit = {{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))}, 0};
    const int tab = static_cast<int>(SendMessageW(Handle(), TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (hotTab_.MovedOver(Handle(), tab))
        InvalidateRect(Handle(), nullptr, FALSE);
}

// The tabs as plates on the window's background, the selected one lit by
// an accent and running into its page, the hot one lit, the keyboard focus
// shown on the selected tab.
void PageControl::Paint()
{
    HWND window = Handle();
    const PaintScope target(window);
    RECT client;
    GetClientRect(window, &client);
    const BufferedDC dc(target, client.right, client.bottom);
    const core::StyleData& style = *Style();
    paint::Fill(dc, client, Parent()->Background());
    const RECT frame = PageFrame(window, client);
    paint::Fill(dc, frame, style.ColourOf(kPageBackground));
    paint::Outline(dc, frame, style.ColourOf(kPageBorder));
    const int selected = ActivePage();
    for (int i = 0; i < static_cast<int>(pages_.size()); ++i) {
        RECT tab;
        SendMessageW(window, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&tab));
        if (i != selected)
            PaintTab(dc, i, tab);
    }
    // The selected tab stands a little taller and wider, over its neighbours and the frame.
    if (selected >= 0) {
        RECT tab;
        SendMessageW(window, TCM_GETITEMRECT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(&tab));
        InflateRect(&tab, 2, 0);
        tab.top -= 2;
        tab.bottom = frame.top + 1;
        PaintTab(dc, selected, tab);
    }
}

void PageControl::PaintTab(HDC dc, int index, RECT tab)
{
    const core::StyleData& style = *Style();
    const int dpi = Dpi();
    const bool selected = index == ActivePage();
    const bool focused = selected && GetFocus() == Handle();
    const paint::PlateKeys& look = selected ? kSelectedTab : index == hotTab_.Current() ? kHotTab : kNormalTab;
    const int radius = paint::Scaled(style, kTabCornerRadius, dpi);
    {
        // Only the top corners are round: the plate runs on below the tab, clipped.
        const SavedDC saved(dc);
        IntersectClipRect(dc, tab.left, tab.top, tab.right, tab.bottom);
        RECT plate = tab;
        plate.bottom += radius + 1;
        paint::DrawPlate(dc, plate, {style.GradientOf(look.fill), style.ColourOf(look.border), radius, 1});
    }
    if (selected) {
        // The selected tab opens into its page: no border below it.
        paint::Fill(dc, {tab.left + 1, tab.bottom - 1, tab.right - 1, tab.bottom}, style.ColourOf(kPageBackground));
        const int accent = paint::Scaled(style, kTabAccentHeight, dpi);
        paint::Fill(dc, {tab.left + radius, tab.top + 1, tab.right - radius, tab.top + 1 + accent},
                    style.ColourOf(focused ? kFocusedTabAccent : kSelectedTabAccent));
    }
    RECT text = tab;
    paint::Text(dc, TabText(Handle(), index), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX,
                style.ColourOf(look.foreground),
                reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0)));
    const bool cuesShown = !(SendMessageW(Handle(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);
    if (focused && cuesShown) {
        InflateRect(&text, -platform::ScaleForDpi(3, dpi), -platform::ScaleForDpi(3, dpi));
        text.top += 1;
        paint::FocusRect(dc, text, style.ColourOf(keys::kFocusRectangle));
    }
}

void TabSheet::Create(PageControl& pages, int id, const std::u16string& caption)
{
    // Made where the page control shows its pages, shown if its tab is the selected one.
    const DWORD shown = pages.AddTab(caption) ? WS_VISIBLE : 0;
    CreateOwnChild(*pages.Parent(), pages.Handle(),
                   {L"TTabSheet", shown, WS_EX_CONTROLPARENT, caption, id, pages.PageArea()}, {});
    SetAlign(Align::Custom);
    pages.AddPage(*this);
}

core::ColourKey TabSheet::BackgroundKey() const noexcept
{
    return kPageBackground;
}

}  // namespace ui
