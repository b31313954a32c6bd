#include "ui/container.h"

#include "platform/dpi.h"

namespace ui {

Container::~Container()
{
    DetachTarget(Handle());
}

int Container::Dpi() const noexcept
{
    return Parent() ? Parent()->Dpi() : platform::kDesignDpi;
}

HFONT Container::Font() const noexcept
{
    return Parent() ? Parent()->Font() : nullptr;
}

void Container::AddChild(Control& child)
{
    children_.push_back(&child);
}

void Container::CreateContainer(Container& owner, HWND parentWindow, const wchar_t* className, DWORD style,
                                const Bounds& bounds, int id)
{
    const int dpi = owner.Dpi();
    WindowParams params{className};
    params.style = style | WS_CHILD | WS_CLIPSIBLINGS;
    params.exStyle = WS_EX_CONTROLPARENT;
    params.x = platform::ScaleForDpi(bounds.left, dpi);
    params.y = platform::ScaleForDpi(bounds.top, dpi);
    params.width = platform::ScaleForDpi(bounds.width, dpi);
    params.height = platform::ScaleForDpi(bounds.height, dpi);
    params.parent = parentWindow;
    params.id = id;
    Adopt(&owner, CreateTargetWindow(params, *this), bounds);
}

void Container::Realign()
{
    RECT free;
    GetClientRect(Handle(), &free);
    const int dpi = Dpi();
    for (Control* child : children_) {
        const int height = platform::ScaleForDpi(child->DesignBounds().height, dpi);
        if (child->GetAlign() == Align::Top) {
            child->PlaceAt({free.left, free.top, free.right, free.top + height});
            free.top += height;
        } else if (child->GetAlign() == Align::Bottom) {
            child->PlaceAt({free.left, free.bottom - height, free.right, free.bottom});
            free.bottom -= height;
        }
    }
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
        if (child->Handle() && child->TakesParentFont())
            SendMessageW(child->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(Font()), TRUE);
        child->OnDpiChanged();
        if (auto* container = dynamic_cast<Container*>(child))
            container->RescaleChildren();
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

LRESULT Container::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        return ReflectCommand(wParam, lParam);
    case WM_NOTIFY:
        return ReflectNotify(lParam);
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        if (Style())
            return StyledControlColor(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        if (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN)
            return ControlColor(reinterpret_cast<HDC>(wParam));
        break;
    case WM_ERASEBKGND:
        if (!Style())
            break;
        EraseStyled(window, reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_DRAWITEM:
        return ReflectDrawItem(window, wParam, lParam);
    case WM_SETCURSOR:
        if (SetChildCursor(reinterpret_cast<HWND>(wParam)))
            return TRUE;
        break;
    case WM_SIZE:
        Realign();
        return 0;
    case WM_PAINT:
        OnPaint(window);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void Container::OnPaint(HWND window)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    Paint(dc, client);
    EndPaint(window, &paint);
}

LRESULT Container::ReflectCommand(WPARAM wParam, LPARAM lParam)
{
    if (Control* child = Control::FromHandle(reinterpret_cast<HWND>(lParam)))
        child->OnCommand(HIWORD(wParam));
    return 0;
}

LRESULT Container::ReflectNotify(LPARAM lParam)
{
    const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
    if (Control* child = Control::FromHandle(header.hwndFrom))
        return child->OnNotify(header);
    return 0;
}

LRESULT Container::ReflectDrawItem(HWND window, WPARAM wParam, LPARAM lParam)
{
    const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    Control* child = item.CtlType == ODT_MENU ? nullptr : Control::FromHandle(item.hwndItem);
    if (child && child->OnDrawItem(item))
        return TRUE;
    return DefWindowProcW(window, WM_DRAWITEM, wParam, lParam);
}

LRESULT Container::ControlColor(HDC dc)
{
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

bool Container::SetChildCursor(HWND child)
{
    const Control* control = Control::FromHandle(child);
    HCURSOR cursor = control ? control->Cursor() : nullptr;
    if (!cursor)
        return false;
    SetCursor(cursor);
    return true;
}

}  // namespace ui
