#include "ui/scroll_bar.h"

#include <algorithm>

#include "platform/dpi.h"
#include "ui/gdi.h"
#include "ui/style_paint.h"

namespace ui {
namespace {

constexpr core::ColourKey kTrack("scrollbar.track");
constexpr core::ColourKey kThumbBorder("scrollbar.thumb.border");
constexpr core::MetricKey kWidth("scrollbar.width");
constexpr core::MetricKey kThumbMinLength("scrollbar.thumb-min-length");
constexpr core::MetricKey kThumbMargin("scrollbar.thumb-margin");
constexpr core::MetricKey kGlyphSize("scrollbar.glyph-size");
constexpr core::MetricKey kThumbRadius("scrollbar.thumb-radius");

// The keys of an arrow button in one state.
struct ArrowKeys {
    core::ColourKey background;
    core::ColourKey glyph;
};
constexpr ArrowKeys kNormalArrow = {core::ColourKey("scrollbar.arrow.normal.background"),
                                    core::ColourKey("scrollbar.arrow.normal.glyph")};
constexpr ArrowKeys kHotArrow = {core::ColourKey("scrollbar.arrow.hot.background"),
                                 core::ColourKey("scrollbar.arrow.hot.glyph")};
constexpr ArrowKeys kPressedArrow = {core::ColourKey("scrollbar.arrow.pressed.background"),
                                     core::ColourKey("scrollbar.arrow.pressed.glyph")};
// A disabled arrow keeps the normal background: only its glyph greys.
constexpr ArrowKeys kDisabledArrow = {core::ColourKey("scrollbar.arrow.normal.background"),
                                      core::ColourKey("scrollbar.arrow.disabled.glyph")};
constexpr core::GradientKey kNormalThumb("scrollbar.thumb.normal.background");
constexpr core::GradientKey kHotThumb("scrollbar.thumb.hot.background");
constexpr core::GradientKey kPressedThumb("scrollbar.thumb.pressed.background");

constexpr UINT_PTR kRepeatTimer = 0x4C53;
// The system's own rhythm for a held arrow: a pause, then steps.
constexpr UINT kFirstRepeatMs = 400;
constexpr UINT kRepeatMs = 50;

int Height(const RECT& rect)
{
    return rect.bottom - rect.top;
}

RECT ToScreen(HWND window, RECT rect)
{
    RECT outer;
    GetWindowRect(window, &outer);
    OffsetRect(&rect, outer.left, outer.top);
    return rect;
}

}  // namespace

int StyledScrollBar::Width() const
{
    return paint::Scaled(style_, kWidth, platform::DpiForWindow(window_));
}

StyledScrollBar::Geometry StyledScrollBar::Measure(const ScrollState& state) const
{
    Geometry parts;
    parts.bar = owner_.BarRect();
    const RECT& bar = parts.bar;
    const int button = std::min<int>(bar.right - bar.left, Height(bar) / 2);
    parts.up = {bar.left, bar.top, bar.right, bar.top + button};
    parts.down = {bar.left, bar.bottom - button, bar.right, bar.bottom};
    parts.track = {bar.left, parts.up.bottom, bar.right, parts.down.top};
    const int trackLength = Height(parts.track);
    parts.scrollable = state.visible > 0 && state.total > state.visible && trackLength > 0;
    parts.thumb = {};
    if (!parts.scrollable)
        return parts;
    const int dpi = platform::DpiForWindow(window_);
    const int range = state.total - state.visible;
    const int length = std::min(
        trackLength, std::max(paint::Scaled(style_, kThumbMinLength, dpi),
                              MulDiv(trackLength, state.visible, state.total)));
    const int top = parts.track.top + MulDiv(trackLength - length, std::clamp(state.first, 0, range), range);
    const int margin = paint::Scaled(style_, kThumbMargin, dpi);
    parts.thumb = {bar.left + margin, top, bar.right - margin, top + length};
    return parts;
}

bool StyledScrollBar::Contains(POINT screen) const
{
    const RECT bar = ToScreen(window_, owner_.BarRect());
    return PtInRect(&bar, screen) != FALSE;
}

StyledScrollBar::Part StyledScrollBar::PartAt(POINT screen, const ScrollState& state) const
{
    const Geometry parts = Measure(state);
    const auto in = [&](const RECT& rect) {
        const RECT onScreen = ToScreen(window_, rect);
        return PtInRect(&onScreen, screen) != FALSE;
    };
    if (!in(parts.bar))
        return Part::None;
    if (in(parts.up))
        return Part::UpArrow;
    if (in(parts.down))
        return Part::DownArrow;
    if (!parts.scrollable)
        return Part::None;
    const RECT thumb = ToScreen(window_, parts.thumb);
    if (screen.y < thumb.top)
        return Part::PageUp;
    if (screen.y >= thumb.bottom)
        return Part::PageDown;
    return Part::Thumb;
}

void StyledScrollBar::Paint(HDC windowDc)
{
    const ScrollState state = owner_.CurrentScroll();
    drawn_ = state;
    Geometry parts = Measure(state);
    const POINT origin = {parts.bar.left, parts.bar.top};
    const int width = parts.bar.right - parts.bar.left;
    const int height = Height(parts.bar);
    if (width <= 0 || height <= 0)
        return;
    // Drawn off screen from the bar's own origin, and copied in one piece.
    for (RECT* part : {&parts.bar, &parts.up, &parts.down, &parts.track, &parts.thumb})
        OffsetRect(part, -origin.x, -origin.y);
    const int dpi = platform::DpiForWindow(window_);
    const UniqueBitmap bitmap(CreateCompatibleBitmap(windowDc, width, height));
    const HDC dc = CreateCompatibleDC(windowDc);
    const HGDIOBJ previous = SelectObject(dc, bitmap.get());
    paint::Fill(dc, parts.bar, style_.ColourOf(kTrack));
    // The keys a part shows in: pressed, under the mouse or neither.
    const auto inState = [&](Part part, const auto& normal, const auto& hot, const auto& pressed) -> const auto& {
        return pressed_ == part ? pressed : hot_.Current() == part ? hot : normal;
    };
    for (const Part arrow : {Part::UpArrow, Part::DownArrow}) {
        const ArrowKeys& look =
            parts.scrollable ? inState(arrow, kNormalArrow, kHotArrow, kPressedArrow) : kDisabledArrow;
        const RECT& area = arrow == Part::UpArrow ? parts.up : parts.down;
        paint::Fill(dc, area, style_.ColourOf(look.background));
        paint::Arrow(dc, area, paint::Scaled(style_, kGlyphSize, dpi),
                     arrow == Part::UpArrow ? paint::ArrowDirection::Up : paint::ArrowDirection::Down,
                     style_.ColourOf(look.glyph));
    }
    if (parts.scrollable) {
        paint::DrawPlate(dc, parts.thumb,
                         {style_.GradientOf(inState(Part::Thumb, kNormalThumb, kHotThumb, kPressedThumb)),
                          style_.ColourOf(kThumbBorder),
                          paint::Scaled(style_, kThumbRadius, dpi), 1});
    }
    BitBlt(windowDc, origin.x, origin.y, width, height, dc, 0, 0, SRCCOPY);
    SelectObject(dc, previous);
    DeleteDC(dc);
}

void StyledScrollBar::Redraw()
{
    const WindowDC dc(window_, true);
    Paint(dc);
}

void StyledScrollBar::Refresh()
{
    if (!(owner_.CurrentScroll() == drawn_))
        Redraw();
}

void StyledScrollBar::TrackMouse(POINT screen)
{
    if (hot_.MovedOver(window_, PartAt(screen, owner_.CurrentScroll())))
        Redraw();
}

void StyledScrollBar::MouseLeft()
{
    if (hot_.Left())
        Redraw();
}

void StyledScrollBar::Step(Part part, const ScrollState& state)
{
    const int page = std::max(1, state.visible);
    switch (part) {
    case Part::UpArrow: owner_.ScrollTo(state.first - 1); break;
    case Part::DownArrow: owner_.ScrollTo(state.first + 1); break;
    case Part::PageUp: owner_.ScrollTo(state.first - page); break;
    case Part::PageDown: owner_.ScrollTo(state.first + page); break;
    default: return;
    }
    Refresh();
}

void StyledScrollBar::Drag(POINT screen, int grab, const ScrollState& start)
{
    const Geometry parts = Measure(start);
    const RECT track = ToScreen(window_, parts.track);
    const int length = Height(parts.thumb);
    const int room = Height(track) - length;
    if (room <= 0)
        return;
    const int top = std::clamp(static_cast<int>(screen.y) - grab, static_cast<int>(track.top),
                               static_cast<int>(track.top) + room);
    owner_.ScrollTo(MulDiv(top - track.top, start.total - start.visible, room));
    Refresh();
}

void StyledScrollBar::Press(POINT screen)
{
    const ScrollState start = owner_.CurrentScroll();
    const Part part = PartAt(screen, start);
    if (part == Part::None)
        return;
    hold_ = {part, start, static_cast<int>(screen.y - ToScreen(window_, Measure(start).thumb).top),
              GetCapture() == window_};
    SetCapture(window_);
    pressed_ = part;
    Redraw();
    if (part != Part::Thumb) {
        Step(part, start);
        SetTimer(window_, kRepeatTimer, kFirstRepeatMs, nullptr);
    }
}

std::optional<LRESULT> StyledScrollBar::PressMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (hold_.part == Part::None)
        return std::nullopt;
    switch (message) {
    case WM_MOUSEMOVE:
        PressMoved();
        return 0;
    case WM_TIMER:
        if (wParam != kRepeatTimer)
            return std::nullopt;
        PressRepeats();
        return 0;
    case WM_LBUTTONUP:
        EndPress();
        return 0;
    case WM_CAPTURECHANGED:
        // Another window took the mouse: the press ends where it stands.
        if (reinterpret_cast<HWND>(lParam) != window_)
            EndPress();
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

void StyledScrollBar::PressMoved()
{
    POINT at;
    GetCursorPos(&at);
    if (hold_.part == Part::Thumb) {
        Drag(at, hold_.grab, hold_.start);
        return;
    }
    // A held arrow or track steps only while the mouse stays on it.
    const Part under = PartAt(at, owner_.CurrentScroll()) == hold_.part ? hold_.part : Part::None;
    if (under != pressed_) {
        pressed_ = under;
        Redraw();
    }
}

void StyledScrollBar::PressRepeats()
{
    SetTimer(window_, kRepeatTimer, kRepeatMs, nullptr);
    POINT at;
    GetCursorPos(&at);
    const ScrollState now = owner_.CurrentScroll();
    if (PartAt(at, now) == hold_.part)
        Step(hold_.part, now);
}

void StyledScrollBar::EndPress()
{
    // Over before the capture goes, whose loss comes back here at once.
    const bool hadCapture = hold_.hadCapture;
    hold_ = {};
    KillTimer(window_, kRepeatTimer);
    if (!hadCapture && GetCapture() == window_)
        ReleaseCapture();
    pressed_ = Part::None;
    Redraw();
}

void StyledScrollBar::Wheel(short delta)
{
    UINT lines = 3;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    const ScrollState state = owner_.CurrentScroll();
    const int step = lines == WHEEL_PAGESCROLL ? std::max(1, state.visible) : static_cast<int>(lines);
    wheelRemainder_ += delta;
    const int notches = wheelRemainder_ / WHEEL_DELTA;
    wheelRemainder_ -= notches * WHEEL_DELTA;
    if (notches != 0 && step > 0) {
        owner_.ScrollTo(state.first - notches * step);
        Refresh();
    }
}

}  // namespace ui
