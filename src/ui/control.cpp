#include "ui/control.h"

#include "platform/dpi.h"
#include "platform/wide.h"
#include "ui/common_controls.h"
#include "ui/container.h"
#include "ui/shared_style_keys.h"
#include "ui/window_text.h"

namespace ui {

int Control::Dpi() const noexcept
{
    return parent_ ? parent_->Dpi() : platform::kDesignDpi;
}

std::u16string Control::Text() const
{
    return WindowText(Handle());
}

void Control::SetText(const std::u16string& text)
{
    SetWindowTextW(Handle(), platform::Wide(text));
}

void Control::SetAlign(Align align)
{
    align_ = align;
    if (parent_)
        parent_->Realign();
}

ControlColours Control::StyledColours(UINT) const
{
    return {parent_ ? parent_->Background() : style_->ColourOf(keys::kWindowBackground),
            style_->ColourOf(keys::kWindowText)};
}

bool Control::Owns(HWND window) const noexcept
{
    return window && (window == Handle() || IsChild(Handle(), window));
}

Control* Control::ControlOwning(HWND window) noexcept
{
    return Owns(window) ? this : nullptr;
}

void Control::CollectTabStops(std::vector<HWND>& stops) const
{
    HWND window = Handle();
    if (IsWindowVisible(window) && IsWindowEnabled(window) && (GetWindowLongW(window, GWL_STYLE) & WS_TABSTOP))
        stops.push_back(window);
}

void Control::PlaceScaled()
{
    PlaceAt(ScaledBounds());
}

RECT Control::ScaledBounds() const
{
    const int dpi = Dpi();
    const int left = platform::ScaleForDpi(bounds_.left, dpi);
    const int top = platform::ScaleForDpi(bounds_.top, dpi);
    return {left, top, left + platform::ScaleForDpi(bounds_.width, dpi),
            top + platform::ScaleForDpi(bounds_.height, dpi)};
}

void Control::PlaceAt(const RECT& rect)
{
    RECT now;
    GetWindowRect(Handle(), &now);
    MapWindowPoints(nullptr, GetParent(Handle()), reinterpret_cast<POINT*>(&now), 2);
    if (EqualRect(&now, &rect))
        return;
    SetWindowPos(Handle(), nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void Control::JoinParent(Container& parent, const Bounds& bounds)
{
    parent_ = &parent;
    style_ = parent.Style();
    bounds_ = bounds;
}

void Control::Joined()
{
    parent_->AddChild(*this);
    if (parentFont_)
        SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(parent_->Font()), FALSE);
}

void Control::CreateChild(Container& parent, const Creation& creation, const Bounds& bounds)
{
    AdoptChild(MakeChild(parent, creation, bounds));
}

HWND Control::MakeChild(Container& parent, const Creation& creation, const Bounds& bounds)
{
    JoinParent(parent, bounds);
    const RECT at = creation.placement.value_or(ScaledBounds());
    HWND window = CreateWindowExW(creation.exStyle, creation.className, platform::Wide(creation.text),
                                  creation.style | WS_CHILD | WS_CLIPSIBLINGS, at.left, at.top, at.right - at.left,
                                  at.bottom - at.top, parent.Handle(),
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(creation.id)),
                                  GetModuleHandleW(nullptr), nullptr);
    // Its look and font are set before it is attached: what the control
    // does on them is its own business.
    if (style_)
        SwitchVisualStylesOff(window);
    if (parentFont_)
        SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(parent.Font()), FALSE);
    return window;
}

void Control::AdoptChild(HWND window)
{
    Attach(window);
    parent_->AddChild(*this);
}

void Control::CreateOwnChild(Container& parent, HWND parentWindow, const Creation& creation, const Bounds& bounds)
{
    JoinParent(parent, bounds);
    const RECT at = creation.placement.value_or(ScaledBounds());
    WindowParams params{creation.className};
    params.style = creation.style | WS_CHILD | WS_CLIPSIBLINGS;
    params.exStyle = creation.exStyle;
    params.text = platform::Wide(creation.text);
    params.x = at.left;
    params.y = at.top;
    params.width = at.right - at.left;
    params.height = at.bottom - at.top;
    params.parent = parentWindow;
    params.id = creation.id;
    CreateOwn(params);
    Joined();
}

}  // namespace ui
