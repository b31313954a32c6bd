#include "ui/frame.h"

#include <algorithm>

#include "ui/gdi.h"
#include "ui/non_client.h"
#include "ui/style_paint.h"
#include "ui/window_text.h"

namespace ui {
namespace {

constexpr core::MetricKey kBorderWidth("frame.border-width");
constexpr core::MetricKey kTitleHeight("title.height");
constexpr core::MetricKey kTitlePadding("title.padding");
constexpr core::MetricKey kTitleButtonRadius("title.button-radius");
constexpr core::FontKey kTitleFont("title.font");
constexpr core::MetricKey kIconSize("sysmenu.icon-size");
constexpr core::MetricKey kCloseBoxWidth("closebox.width");
constexpr core::MetricKey kCloseBoxHeight("closebox.height");
constexpr core::MetricKey kCloseBoxGlyphSize("closebox.glyph-size");
constexpr core::MetricKey kCloseBoxGlyphThickness("closebox.glyph-thickness");

// The keys of the frame and its title, active or not.
struct FrameKeys {
    core::ColourKey fill;
    core::ColourKey outline;
    core::GradientKey title;
    core::ColourKey titleText;
};
constexpr FrameKeys kActiveFrame = {core::ColourKey("frame.active.fill"),
                                    core::ColourKey("frame.active.outline"),
                                    core::GradientKey("title.active.background"),
                                    core::ColourKey("title.active.text")};
constexpr FrameKeys kInactiveFrame = {core::ColourKey("frame.inactive.fill"),
                                      core::ColourKey("frame.inactive.outline"),
                                      core::GradientKey("title.inactive.background"),
                                      core::ColourKey("title.inactive.text")};

constexpr paint::PlateKeys kNormalCloseBox = {core::GradientKey("closebox.normal.background"),
                                              core::ColourKey("closebox.normal.border"),
                                              core::ColourKey("closebox.normal.glyph")};
constexpr paint::PlateKeys kHotCloseBox = {core::GradientKey("closebox.hot.background"),
                                           core::ColourKey("closebox.hot.border"),
                                           core::ColourKey("closebox.hot.glyph")};
constexpr paint::PlateKeys kPressedCloseBox = {core::GradientKey("closebox.pressed.background"),
                                               core::ColourKey("closebox.pressed.border"),
                                               core::ColourKey("closebox.pressed.glyph")};
constexpr paint::PlateKeys kInactiveCloseBox = {core::GradientKey("closebox.inactive.background"),
                                                core::ColourKey("closebox.inactive.border"),
                                                core::ColourKey("closebox.inactive.glyph")};

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

POINT FromWindowOrigin(HWND window, POINT screen)
{
    RECT outer;
    GetWindowRect(window, &outer);
    return {screen.x - outer.left, screen.y - outer.top};
}

}  // namespace

Frame::Parts Frame::Measure() const
{
    Parts parts;
    RECT outer;
    GetWindowRect(window_, &outer);
    parts.window = {0, 0, outer.right - outer.left, outer.bottom - outer.top};
    parts.client = ClientInWindow(window_);
    const int border = parts.client.left;
    parts.title = {border, border, parts.window.right - border, parts.client.top};
    const int dpi = dpi_;
    const int padding = paint::Scaled(style_, kTitlePadding, dpi);
    const int boxWidth = paint::Scaled(style_, kCloseBoxWidth, dpi);
    const int boxHeight = paint::Scaled(style_, kCloseBoxHeight, dpi);
    const int middle = (parts.title.top + parts.title.bottom) / 2;
    parts.closeBox = {parts.title.right - padding - boxWidth, middle - boxHeight / 2, parts.title.right - padding,
                      middle - boxHeight / 2 + boxHeight};
    const int icon = paint::Scaled(style_, kIconSize, dpi);
    parts.icon = {parts.title.left + padding, middle - icon / 2, parts.title.left + padding + icon,
                  middle - icon / 2 + icon};
    return parts;
}

LRESULT Frame::HitTest(POINT screen) const
{
    const Parts parts = Measure();
    const POINT at = FromWindowOrigin(window_, screen);
    if (!PtInRect(&parts.window, at))
        return HTNOWHERE;
    if (PtInRect(&parts.client, at))
        return HTCLIENT;
    if (PtInRect(&parts.closeBox, at))
        return HTCLOSE;
    if (PtInRect(&parts.icon, at))
        return HTSYSMENU;
    if (PtInRect(&parts.title, at))
        return HTCAPTION;
    // A fixed border: it moves nothing and sizes nothing.
    return HTBORDER;
}

bool Frame::InCloseBox(POINT screen) const
{
    const RECT box = Measure().closeBox;
    const POINT at = FromWindowOrigin(window_, screen);
    return PtInRect(&box, at) != FALSE;
}

void Frame::ClientInside(RECT& window) const
{
    const int dpi = dpi_;
    const int border = paint::Scaled(style_, kBorderWidth, dpi);
    const int title = paint::Scaled(style_, kTitleHeight, dpi);
    window = {window.left + border, window.top + border + title, window.right - border, window.bottom - border};
    // A window made smaller than its frame has an empty client area.
    window.right = std::max(window.right, window.left);
    window.bottom = std::max(window.bottom, window.top);
}

POINT Frame::SystemMenuPlace() const
{
    const RECT icon = Measure().icon;
    RECT outer;
    GetWindowRect(window_, &outer);
    return {outer.left + icon.left, outer.top + icon.bottom};
}

void Frame::MouseMoved(WPARAM hit)
{
    if (closeHot_.MovedOver(window_, hit == HTCLOSE))
        Paint();
}

void Frame::MouseLeft()
{
    if (closeHot_.Left())
        Paint();
}

void Frame::PressCloseBox()
{
    closeHeld_ = true;
    closePressed_ = true;
    SetCapture(window_);
    Paint();
}

std::optional<LRESULT> Frame::CloseBoxMessage(UINT message, LPARAM lParam)
{
    if (!closeHeld_)
        return std::nullopt;
    switch (message) {
    case WM_MOUSEMOVE: {
        POINT at;
        GetCursorPos(&at);
        CloseBoxHeldOver(InCloseBox(at));
        return 0;
    }
    case WM_LBUTTONUP:
        EndCloseBoxPress(closePressed_);
        return 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != window_)
            EndCloseBoxPress(false);
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

void Frame::CloseBoxHeldOver(bool inside)
{
    if (inside == closePressed_)
        return;
    // Out of the box it is neither pressed nor lit, as the system's is.
    closePressed_ = inside;
    closeHot_.MovedOver(window_, inside);
    Paint();
}

void Frame::EndCloseBoxPress(bool closes)
{
    // Over before the capture goes, whose loss comes back here at once.
    closeHeld_ = false;
    if (GetCapture() == window_)
        ReleaseCapture();
    closePressed_ = false;
    Paint();
    if (closes)
        PostMessageW(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void Frame::Paint()
{
    const Parts parts = Measure();
    const int width = parts.window.right;
    const int height = parts.window.bottom;
    const WindowDC windowDc(window_, true);
    ExcludeClipRect(windowDc, parts.client.left, parts.client.top, parts.client.right, parts.client.bottom);
    const BufferedDC dc(windowDc, width, height);
    const FrameKeys& look = active_ ? kActiveFrame : kInactiveFrame;
    paint::Fill(dc, parts.window, style_.ColourOf(look.fill));
    paint::Outline(dc, parts.window, style_.ColourOf(look.outline));
    PaintTitle(dc, parts, dpi_);
}

void Frame::PaintTitle(HDC dc, const Parts& parts, int dpi)
{
    const FrameKeys& look = active_ ? kActiveFrame : kInactiveFrame;
    paint::FillGradient(dc, parts.title, style_.GradientOf(look.title));
    const int icon = parts.icon.right - parts.icon.left;
    if (auto* small = reinterpret_cast<HICON>(SendMessageW(window_, WM_GETICON, ICON_SMALL, 0)))
        DrawIconEx(dc, parts.icon.left, parts.icon.top, small, icon, icon, 0, nullptr, DI_NORMAL);
    const int padding = paint::Scaled(style_, kTitlePadding, dpi);
    RECT text = {parts.icon.right + padding, parts.title.top, parts.closeBox.left - padding, parts.title.bottom};
    const UniqueFont font = paint::MakeFont(style_.FontOf(kTitleFont), dpi);
    paint::Text(dc, WindowText(window_), text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS,
                style_.ColourOf(look.titleText), font.get());
    PaintCloseBox(dc, parts.closeBox, dpi);
}

void Frame::PaintCloseBox(HDC dc, const RECT& box, int dpi)
{
    const paint::PlateKeys& look =
        !active_ ? kInactiveCloseBox : closePressed_ ? kPressedCloseBox : closeHot_.Over() ? kHotCloseBox : kNormalCloseBox;
    paint::DrawPlate(dc, box,
                     {style_.GradientOf(look.fill), style_.ColourOf(look.border),
                      paint::Scaled(style_, kTitleButtonRadius, dpi), 1});
    Cross(dc, box, paint::Scaled(style_, kCloseBoxGlyphSize, dpi),
          paint::Scaled(style_, kCloseBoxGlyphThickness, dpi),
          style_.ColourOf(look.foreground));
}

}  // namespace ui
