#include "ui/container.h"

#include "platform/dpi.h"
#include "ui/gdi.h"
#include "ui/shared_style_keys.h"

namespace ui {

HFONT Container::Font() const noexcept
{
    return Parent() ? Parent()->Font() : nullptr;
}

void Container::AddChild(Control& child)
{
    children_.push_back(&child);
}

core::Colour Container::Background() const
{
    return Style()->ColourOf(BackgroundKey());
}

core::ColourKey Container::BackgroundKey() const noexcept
{
    return keys::kWindowBackground;
}

template <class Place>
RECT Container::PlaceTopAndBottom(Place place) const
{
    RECT free;
    GetClientRect(Handle(), &free);
    const int dpi = Dpi();
    for (Control* child : children_) {
        const int height = platform::ScaleForDpi(child->DesignBounds().height, dpi);
        if (child->GetAlign() == Align::Top) {
            place(*child, {free.left, free.top, free.right, free.top + height});
            free.top += height;
        } else if (child->GetAlign() == Align::Bottom) {
            place(*child, {free.left, free.bottom - height, free.right, free.bottom});
            free.bottom -= height;
        }
    }
    return free;
}

RECT Container::AreaLeft() const
{
    return PlaceTopAndBottom([](Control&, const RECT&) {});
}

void Container::Realign()
{
    const RECT free = PlaceTopAndBottom([](Control& child, const RECT& rect) { child.PlaceAt(rect); });
    for (Control* child : children_) {
        if (child->GetAlign() == Align::Client)
            child->PlaceAt(free);
    }
}

void Container::RescaleChildren()
{
    for (Control* child : children_) {
        if (child->GetAlign() == Align::None)
            child->PlaceScaled();
    }
    Realign();
    for (Control* child : children_) {
        if (child->TakesParentFont())
            SendMessageW(child->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(Font()), TRUE);
        child->OnDpiChanged();
    }
}

void Container::CollectTabStops(std::vector<HWND>& stops) const
{
    if (!IsWindowVisible(Handle()) || !IsWindowEnabled(Handle()))
        return;
    Control::CollectTabStops(stops);
    for (const Control* child : children_)
        child->CollectTabStops(stops);
}

Control* Container::ControlOwning(HWND window) noexcept
{
    if (Control* below = ChildOwning(window))
        return below;
    return Control::ControlOwning(window);
}

Control* Container::ChildOwning(HWND window) const noexcept
{
    for (Control* child : children_) {
        if (Control* owner = child->ControlOwning(window))
            return owner;
    }
    return nullptr;
}

LRESULT Container::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (Control* child = ChildOwning(reinterpret_cast<HWND>(lParam)))
            child->OnCommand(HIWORD(wParam));
        return 0;
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        Control* child = ChildOwning(header.hwndFrom);
        return child ? child->OnNotify(header) : 0;
    }
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (Control* child = ChildOwning(item.hwndItem)) {
            child->DrawItem(item);
            return TRUE;
        }
        break;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        return ControlColour(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_ERASEBKGND:
        EraseBackground(reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_SIZE:
        Realign();
        return 0;
    case WM_SETCURSOR:
        if (SetChildCursor(reinterpret_cast<HWND>(wParam)))
            return TRUE;
        break;
    default:
        break;
    }
    return Default(message, wParam, lParam);
}

LRESULT Container::ControlColour(UINT message, HDC dc, HWND window)
{
    if (!Style()) {
        // Edits and lists keep the system's window colour; labels and
        // buttons stand on the face colour the whole window has.
        if (message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX)
            return Default(message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(window));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    const Control* child = ChildOwning(window);
    const ControlColours colours = child ? child->StyledColours(message)
                                         : ControlColours{Background(), Style()->ColourOf(keys::kWindowText)};
    SetBkColor(dc, paint::Rgb(colours.background));
    SetTextColor(dc, paint::Rgb(colours.text));
    return reinterpret_cast<LRESULT>(brushes_.Get(colours.background));
}

void Container::OnPaint()
{
    const PaintScope dc(Handle());
    RECT client;
    GetClientRect(Handle(), &client);
    Paint(dc, client);
}

void Container::EraseBackground(HDC dc)
{
    RECT client;
    GetClientRect(Handle(), &client);
    if (Style())
        paint::Fill(dc, client, Background());
    else
        FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
}

bool Container::SetChildCursor(HWND window) const
{
    const Control* child = ChildOwning(window);
    HCURSOR cursor = child ? child->Cursor() : nullptr;
    if (!cursor)
        return false;
    SetCursor(cursor);
    return true;
}

}  // namespace ui
