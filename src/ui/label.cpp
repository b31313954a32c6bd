#include "ui/label.h"

#include "platform/dpi.h"
#include "platform/wide.h"
#include "ui/container.h"
#include "ui/gdi.h"
#include "ui/style_paint.h"

namespace ui {
namespace {

constexpr UINT kTextFormat = DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX;

}  // namespace

Label::~Label()
{
    DetachTarget(Handle());
}

void Label::Create(Container& parent, int id, const Bounds& bounds, const std::u16string& caption)
{
    const int dpi = parent.Dpi();
    WindowParams params{L"TLabel"};
    params.style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    params.text = platform::Wide(caption);
    params.x = platform::ScaleForDpi(bounds.left, dpi);
    params.y = platform::ScaleForDpi(bounds.top, dpi);
    params.width = platform::ScaleForDpi(bounds.width, dpi);
    params.height = platform::ScaleForDpi(bounds.height, dpi);
    params.parent = parent.Handle();
    params.id = id;
    Adopt(&parent, CreateTargetWindow(params, *this), bounds);
    FitToText();
}

LRESULT Label::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam))
            InvalidateRect(window, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
    case WM_SETTEXT: {
        const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
        InvalidateRect(window, nullptr, TRUE);
        return result;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint(window);
        return 0;
    case WM_MOUSEMOVE:
        if (Style())
            TrackHot(window, true);
        return 0;
    case WM_MOUSELEAVE:
        TrackHot(window, false);
        return 0;
    case WM_LBUTTONDOWN:
        pressed_ = true;
        return 0;
    case WM_LBUTTONUP:
        if (pressed_) {
            pressed_ = false;
            if (OnClick)
                OnClick(this);
        }
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void Label::Paint(HWND window)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    // The parent's WM_CTLCOLORSTATIC gives the colours and the background,
    // as it does for the system's own labels.
    auto* background = reinterpret_cast<HBRUSH>(
        SendMessageW(GetParent(window), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(window)));
    FillRect(dc, &client, background ? background : GetSysColorBrush(COLOR_BTNFACE));
    if (Style())
        SetStyledColour(dc);
    SetBkMode(dc, TRANSPARENT);
    const std::u16string text = Text();
    const SelectedObject font(dc, font_);
    DrawTextW(dc, platform::Wide(text), static_cast<int>(text.size()), &client, kTextFormat);
    EndPaint(window, &paint);
}

void Label::TrackHot(HWND window, bool hot)
{
    if (hot == hot_ || !OnClick)
        return;
    hot_ = hot;
    if (hot) {
        TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, window, 0};
        TrackMouseEvent(&track);
    }
    InvalidateRect(window, nullptr, FALSE);
}

void Label::SetStyledColour(HDC dc) const
{
    const char* key = !OnClick ? "label.normal.text" : hot_ ? "label.link-hot.text" : "label.link.text";
    SetTextColor(dc, paint::Rgb(Style()->ColourOf(key)));
}

void Label::FitToText()
{
    const std::u16string text = Text();
    const WindowDC dc(Handle());
    const SelectedObject font(dc, font_);
    RECT extent = {0, 0, 0, 0};
    DrawTextW(dc, platform::Wide(text), static_cast<int>(text.size()), &extent, kTextFormat | DT_CALCRECT);
    SetWindowPos(Handle(), nullptr, 0, 0, extent.right, extent.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace ui
