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
    const int dpi = Dpi();
    SetWindowPos(Handle(), nullptr, platform::ScaleForDpi(bounds_.left, dpi),
                 platform::ScaleForDpi(bounds_.top, dpi), platform::ScaleForDpi(bounds_.width, dpi),
                 platform::ScaleForDpi(bounds_.height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
}

void Control::PlaceAt(const RECT& rect)
{
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
    JoinParent(parent, bounds);
    const int dpi = parent.Dpi();
    HWND window = CreateWindowExW(
        creation.exStyle, creation.className, platform::Wide(creation.text),
        creation.style | WS_CHILD | WS_CLIPSIBLINGS, platform::ScaleForDpi(bounds.left, dpi),
        platform::ScaleForDpi(bounds.top, dpi), platform::ScaleForDpi(bounds.width, dpi),
        platform::ScaleForDpi(bounds.height, dpi), parent.Handle(),
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(creation.id)), GetModuleHandleW(nullptr), nullptr);
    Attach(window);
    if (style_)
        SwitchVisualStylesOff(window);
    Joined();
}

void Control::CreateOwnChild(Container& parent, HWND parentWindow, const Creation& creation, const Bounds& bounds)
{
    JoinParent(parent, bounds);
    const int dpi = parent.Dpi();
    WindowParams params{creation.className};
    params.style = creation.style | WS_CHILD | WS_CLIPSIBLINGS;
    params.exStyle = creation.exStyle;
    params.text = platform::Wide(creation.text);
    params.x = platform::ScaleForDpi(bounds.left, dpi);
    params.y = platform::ScaleForDpi(bounds.top, dpi);
    params.width = platform::ScaleForDpi(bounds.width, dpi);
    params.height = platform::ScaleForDpi(bounds.height, dpi);
    params.parent = parentWindow;
    params.id = creation.id;
    CreateOwn(params);
    Joined();
}

}  // namespace ui
