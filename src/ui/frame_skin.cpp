#include "ui/frame_skin.h"

#include <string>
#include <string_view>

#include "platform/dpi.h"
#include "ui/gdi.h"
#include "ui/window_text.h"
#include "ui/skin.h"
#include "ui/style_paint.h"

namespace ui {
namespace {

struct FrameParts {
    RECT client;  // in window coordinates
    RECT title;
    RECT closeBox;
    RECT icon;
};

class FrameSkin : public Skin {
public:
    FrameSkin(const core::StyleData& style, HWND window) : Skin(style), window_(window) {}

private:
    void Paint(HWND, HDC) override {}
    bool PaintsClient() const override { return false; }
    std::optional<LRESULT> Answer(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The system's procedure draws its own caption on these.
    LRESULT ThenRepaint(UINT message, WPARAM wParam, LPARAM lParam);
    FrameParts Parts() const;
    void PaintFrame();
    void PaintTitle(HDC dc, const FrameParts& parts, int dpi);
    void PaintCloseBox(HDC dc, const RECT& box, int dpi);
    std::optional<LRESULT> HitTest(LPARAM position);
    void TrackCloseBox();
    void SetCloseHot(bool hot);
    bool InCloseBox(LPARAM screenPosition) const;

    HWND window_;
    bool active_ = true;
    bool closeHot_ = false;
    bool closePressed_ = false;
};

RECT ClientInWindow(HWND window)
{
    RECT client, outer;
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    GetWindowRect(window, &outer);
    OffsetRect(&client, -outer.left, -outer.top);
    return client;
}

// The two strokes of an X, each a run of small squares along a diagonal.
void Cross(HDC dc, const RECT& area, int size, int thickness, core::Colour colour)
{
    const int left = area.left + (area.right - area.left - size) / 2;
    const int top = area.top + (area.bottom - area.top - size) / 2;
    for (int i = 0; i < size; ++i) {
        paint::Fill(dc, {left + i, top + i, left + i + thickness, top + i + thickness}, colour);
        paint::Fill(dc, {left + size - 1 - i, top + i, left + size - 1 - i + thickness, top + i + thickness}, colour);
    }
}

FrameParts FrameSkin::Parts() const
{
    FrameParts parts;
    RECT outer;
    GetWindowRect(window_, &outer);
    const int width = outer.right - outer.left;
    parts.client = ClientInWindow(window_);
    const int border = parts.client.left;
    parts.title = {border, border, width - border, parts.client.top};
    const int dpi = platform::DpiForWindow(window_);
    const core::StyleData& style = Style();
    const int padding = paint::Scaled(style, "title.padding", dpi);
    const int boxWidth = paint::Scaled(style, "closebox.width", dpi);
    const int boxHeight = paint::Scaled(style, "closebox.height", dpi);
    const int middle = (parts.title.top + parts.title.bottom) / 2;
    parts.closeBox = {parts.title.right - padding - boxWidth, middle - boxHeight / 2, parts.title.right - padding,
                      middle - boxHeight / 2 + boxHeight};
    const int icon = paint::Scaled(style, "sysmenu.icon-size", dpi);
    parts.icon = {parts.title.left + padding, middle - icon / 2, parts.title.left + padding + icon,
                  middle - icon / 2 + icon};
    return parts;
}

std::optional<LRESULT> FrameSkin::Answer(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCPAINT:
        PaintFrame();
        return 0;
    case WM_NCACTIVATE:
        active_ = wParam != FALSE;
        PaintFrame();
        return TRUE;
    case WM_NCHITTEST:
        return HitTest(lParam);
    case WM_NCMOUSEMOVE:
        SetCloseHot(wParam == HTCLOSE);
        return std::nullopt;
    case WM_NCMOUSELEAVE:
        SetCloseHot(false);
        return std::nullopt;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        if (wParam == HTCLOSE) {
            TrackCloseBox();
            return 0;
        }
        return ThenRepaint(message, wParam, lParam);
    case WM_SETTEXT:
    case WM_SETICON:
    case WM_SYSCOMMAND:
    case WM_INITMENUPOPUP:
        return ThenRepaint(message, wParam, lParam);
    default:
        return std::nullopt;
    }
}

LRESULT FrameSkin::ThenRepaint(UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = Original(window_, message, wParam, lParam);
    if (IsWindow(window_))
        PaintFrame();
    return result;
}

bool FrameSkin::InCloseBox(LPARAM screenPosition) const
{
    RECT outer;
    GetWindowRect(window_, &outer);
    const POINT at = {static_cast<short>(LOWORD(screenPosition)) - outer.left,
                      static_cast<short>(HIWORD(screenPosition)) - outer.top};
    const RECT box = Parts().closeBox;
    return PtInRect(&box, at) != FALSE;
}

std::optional<LRESULT> FrameSkin::HitTest(LPARAM position)
{
    if (InCloseBox(position))
        return HTCLOSE;
    // The system's own close box is not drawn: where it would be is caption.
    const LRESULT system = Original(window_, WM_NCHITTEST, 0, position);
    return system == HTCLOSE ? HTCAPTION : system;
}

void FrameSkin::SetCloseHot(bool hot)
{
    if (hot == closeHot_)
        return;
    closeHot_ = hot;
    if (hot) {
        TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE | TME_NONCLIENT, window_, 0};
        TrackMouseEvent(&track);
    }
    PaintFrame();
}

// The close box is pressed while the button is held over it, and closes the
// window if the button comes up there, as the system's does.
void FrameSkin::TrackCloseBox()
{
    SetCapture(window_);
    closePressed_ = true;
    PaintFrame();
    bool inside = true;
    MSG message;
    while (GetCapture() == window_ && GetMessageW(&message, nullptr, 0, 0)) {
        if (message.message == WM_LBUTTONUP)
            break;
        if (message.message == WM_MOUSEMOVE) {
            POINT at = {static_cast<short>(LOWORD(message.lParam)), static_cast<short>(HIWORD(message.lParam))};
            ClientToScreen(window_, &at);
            const bool now = InCloseBox(MAKELPARAM(at.x, at.y));
            if (now != inside) {
                inside = now;
                closePressed_ = now;
                PaintFrame();
            }
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (GetCapture() == window_)
        ReleaseCapture();
    closePressed_ = false;
    PaintFrame();
    if (inside)
        PostMessageW(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void FrameSkin::PaintFrame()
{
    RECT outer;
    GetWindowRect(window_, &outer);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    const FrameParts parts = Parts();
    const WindowDC windowDc(window_, true);
    ExcludeClipRect(windowDc, parts.client.left, parts.client.top, parts.client.right, parts.client.bottom);
    const BufferedDC dc(windowDc, width, height);
    const core::StyleData& style = Style();
    const std::string_view state = active_ ? "active" : "inactive";
    paint::Fill(dc, {0, 0, width, height}, style.ColourOf(paint::StateKey("frame", state, "fill")));
    paint::Outline(dc, {0, 0, width, height}, style.ColourOf(paint::StateKey("frame", state, "outline")));
    PaintTitle(dc, parts, platform::DpiForWindow(window_));
}

void FrameSkin::PaintTitle(HDC dc, const FrameParts& parts, int dpi)
{
    const core::StyleData& style = Style();
    const std::string_view state = active_ ? "active" : "inactive";
    paint::FillGradient(dc, parts.title, style.GradientOf(paint::StateKey("title", state, "background")));
    const int icon = parts.icon.right - parts.icon.left;
    if (auto* small = reinterpret_cast<HICON>(SendMessageW(window_, WM_GETICON, ICON_SMALL, 0)))
        DrawIconEx(dc, parts.icon.left, parts.icon.top, small, icon, icon, 0, nullptr, DI_NORMAL);
    const int padding = paint::Scaled(style, "title.padding", dpi);
    RECT text = {parts.icon.right + padding, parts.title.top, parts.closeBox.left - padding, parts.title.bottom};
    const UniqueFont font = paint::MakeFont(style.FontOf("title.font"), dpi);
    paint::Text(dc, WindowText(window_), text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS,
                style.ColourOf(paint::StateKey("title", state, "text")), font.get());
    PaintCloseBox(dc, parts.closeBox, dpi);
}

void FrameSkin::PaintCloseBox(HDC dc, const RECT& box, int dpi)
{
    const core::StyleData& style = Style();
    const std::string_view state = !active_ ? "inactive" : closePressed_ ? "pressed" : closeHot_ ? "hot" : "normal";
    paint::DrawPlate(dc, box,
                     {style.GradientOf(paint::StateKey("closebox", state, "background")),
                      style.ColourOf(paint::StateKey("closebox", state, "border")),
                      paint::Scaled(style, "title.button-radius", dpi), 1});
    Cross(dc, box, paint::Scaled(style, "closebox.glyph-size", dpi),
          paint::Scaled(style, "closebox.glyph-thickness", dpi), style.ColourOf(paint::StateKey("closebox", state, "glyph")));
}

}  // namespace

void SkinFrame(HWND window, const core::StyleData& style)
{
    Skin::Attach(window, std::make_unique<FrameSkin>(style, window));
}

}  // namespace ui
