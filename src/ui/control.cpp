#include "ui/control.h"

#include "platform/dpi.h"
#include "platform/wide.h"
#include "ui/container.h"
#include "ui/current_style.h"
#include "ui/window_text.h"

namespace ui {

Control::~Control()
{
    if (handle_)
        SetWindowLongPtrW(handle_.Get(), GWLP_USERDATA, 0);
}

Control* Control::FromHandle(HWND window) noexcept
{
    return window ? reinterpret_cast<Control*>(GetWindowLongPtrW(window, GWLP_USERDATA)) : nullptr;
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

int Control::Dpi() const noexcept
{
    return parent_ ? parent_->Dpi() : platform::kDesignDpi;
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

void Control::CreateChild(Container& parent, const Creation& creation, const Bounds& bounds)
{
    const int dpi = parent.Dpi();
    HWND window = CreateWindowExW(
        creation.exStyle, creation.className, platform::Wide(creation.text), creation.style | WS_CHILD | WS_CLIPSIBLINGS,
        platform::ScaleForDpi(bounds.left, dpi), platform::ScaleForDpi(bounds.top, dpi),
        platform::ScaleForDpi(bounds.width, dpi), platform::ScaleForDpi(bounds.height, dpi), parent.Handle(),
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(creation.id)), GetModuleHandleW(nullptr), nullptr);
    Adopt(&parent, window, bounds);
}

void Control::Adopt(Container* parent, HWND window, const Bounds& bounds)
{
    handle_.Reset(window);
    style_ = CurrentStyle();
    parent_ = parent;
    bounds_ = bounds;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    if (parent) {
        parent->AddChild(*this);
        if (parentFont_)
            SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(parent->Font()), FALSE);
    }
}

}  // namespace ui
