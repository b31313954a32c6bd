#include "ui/label.h"

#include "platform/dpi.h"
#include "platform/wide.h"
#include "ui/container.h"
#include "ui/gdi.h"
#include "ui/non_client.h"

namespace ui {
namespace {

constexpr core::ColourKey kNormalText("label.normal.text");
constexpr core::ColourKey kLinkText("label.link.text");
constexpr core::ColourKey kHotLinkText("label.link-hot.text");

constexpr UINT kTextFormat = DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX;
// oleacc's index of the system's label class, as the system's own labels
// answer OBJID_QUERYCLASSNAMEIDX.
constexpr LRESULT kStaticClassIndex = 65536 + 3;

// The size TEXT takes in FONT, measured in WINDOW's device context.
SIZE TextSize(HWND window, HFONT font, const std::u16string& text)
{
    const WindowDC dc(window);
    const SelectedObject selected(dc, font);
    RECT extent = {0, 0, 0, 0};
    DrawTextW(dc, platform::Wide(text), static_cast<int>(text.size()), &extent, kTextFormat | DT_CALCRECT);
    return {extent.right, extent.bottom};
}

}  // namespace

void Label::Create(Container& parent, int id, const Bounds& bounds, const std::u16string& caption)
{
    // Made at its text's size in the parent's font, which it takes.
    const SIZE size = TextSize(parent.Handle(), parent.Font(), caption);
    const int dpi = parent.Dpi();
    const int left = platform::ScaleForDpi(bounds.left, dpi);
    const int top = platform::ScaleForDpi(bounds.top, dpi);
    CreateOwnChild(parent, parent.Handle(),
                   {L"TLabel", WS_VISIBLE, 0, caption, id, RECT{left, top, left + size.cx, top + size.cy}}, bounds);
}

ControlColours Label::StyledColours(UINT) const
{
    const core::ColourKey key = !OnClick ? kNormalText : mouse_.Over() ? kHotLinkText : kLinkText;
    return {Parent()->Background(), Style()->ColourOf(key)};
}

LRESULT Label::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (OnClick && Style() && mouse_.Update(Handle(), message))
        InvalidateRect(Handle(), nullptr, FALSE);
    switch (message) {
    case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam))
            InvalidateRect(Handle(), nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
    case WM_SETTEXT: {
        const LRESULT result = Default(message, wParam, lParam);
        InvalidateRect(Handle(), nullptr, TRUE);
        return result;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        Pressed();
        return 0;
    case WM_LBUTTONUP:
        Released();
        return 0;
    case WM_CAPTURECHANGED:
        pressed_ = false;
        return 0;
    case WM_GETOBJECT:
        return AccessibleClass(wParam, lParam);
    default:
        return Default(message, wParam, lParam);
    }
}

// Screen readers take the label for the system's: oleacc asks a window of
// a class it does not know which standard class it stands for, and reads it
// as static text named by its text.
LRESULT Label::AccessibleClass(WPARAM wParam, LPARAM lParam)
{
    if (static_cast<LONG>(lParam) == OBJID_QUERYCLASSNAMEIDX)
        return kStaticClassIndex;
    return Default(WM_GETOBJECT, wParam, lParam);
}

// A click is a press and a release over the label, the mouse held by it
// in between, as a button takes it: a release after a press elsewhere, or
// after the capture was lost, opens nothing.
void Label::Pressed()
{
    SetCapture(Handle());
    pressed_ = true;
}

void Label::Released()
{
    const bool pressed = pressed_ && GetCapture() == Handle();
    if (GetCapture() == Handle())
        ReleaseCapture();
    pressed_ = false;
    const POINT at = ScreenPoint(static_cast<LPARAM>(GetMessagePos()));
    if (pressed && WindowFromPoint(at) == Handle() && OnClick)
        OnClick(this);
}

void Label::Paint()
{
    const PaintScope dc(Handle());
    RECT client;
    GetClientRect(Handle(), &client);
    // The parent gives the colours and the background, as it does for the
    // system's own labels.
    auto* background = reinterpret_cast<HBRUSH>(SendMessageW(
        GetParent(Handle()), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(static_cast<HDC>(dc)),
        reinterpret_cast<LPARAM>(Handle())));
    FillRect(dc, &client, background ? background : GetSysColorBrush(COLOR_BTNFACE));
    SetBkMode(dc, TRANSPARENT);
    const std::u16string text = Text();
    const SelectedObject font(dc, font_);
    DrawTextW(dc, platform::Wide(text), static_cast<int>(text.size()), &client, kTextFormat);
}

void Label::FitToText()
{
    const SIZE size = TextSize(Handle(), font_, Text());
    SetWindowPos(Handle(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace ui
