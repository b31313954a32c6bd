#include "ui/scroll_bar_paint.h"

#include <algorithm>
#include <string_view>

#include "ui/gdi.h"
#include "ui/style_paint.h"

namespace ui::paint {
namespace {

// The parts' indices in SCROLLBARINFO::rgstate.
constexpr int kUpArrow = 1;
constexpr int kThumb = 3;
constexpr int kDownArrow = 5;

std::string_view PartState(DWORD state)
{
    if (state & STATE_SYSTEM_UNAVAILABLE)
        return "disabled";
    if (state & STATE_SYSTEM_PRESSED)
        return "pressed";
    if (state & STATE_SYSTEM_HOTTRACKED)
        return "hot";
    return "normal";
}

void ArrowButton(HDC dc, const RECT& area, DWORD state, ArrowDirection direction, const core::StyleData& style,
                 int dpi)
{
    const std::string_view name = PartState(state);
    const std::string_view plate = name == "disabled" ? "normal" : name;
    Fill(dc, area, style.ColourOf(StateKey("scrollbar.arrow", plate, "background")));
    Arrow(dc, area, Scaled(style, "scrollbar.glyph-size", dpi), direction,
          style.ColourOf(StateKey("scrollbar.arrow", name, "glyph")));
}

}  // namespace

void StyledVerticalScrollBar(HWND window, const core::StyleData& style, int dpi)
{
    if (!(GetWindowLongW(window, GWL_STYLE) & WS_VSCROLL))
        return;
    SCROLLBARINFO info = {};
    info.cbSize = sizeof info;
    if (!GetScrollBarInfo(window, OBJID_VSCROLL, &info) || (info.rgstate[0] & STATE_SYSTEM_INVISIBLE))
        return;
    RECT outer;
    GetWindowRect(window, &outer);
    RECT bar = info.rcScrollBar;
    OffsetRect(&bar, -outer.left, -outer.top);
    const int button = info.dxyLineButton;
    const WindowDC windowDc(window, true);
    const int width = bar.right - bar.left;
    const int height = bar.bottom - bar.top;
    if (width <= 0 || height <= 0)
        return;
    // Drawn off screen and copied in one piece, so that it does not flicker.
    const UniqueBitmap bitmap(CreateCompatibleBitmap(windowDc, width, height));
    const HDC dc = CreateCompatibleDC(windowDc);
    const HGDIOBJ previous = SelectObject(dc, bitmap.get());
    const RECT all = {0, 0, width, height};
    Fill(dc, all, style.ColourOf("scrollbar.track"));
    ArrowButton(dc, {0, 0, width, button}, info.rgstate[kUpArrow], ArrowDirection::Up, style, dpi);
    ArrowButton(dc, {0, height - button, width, height}, info.rgstate[kDownArrow], ArrowDirection::Down, style,
                dpi);
    if (!(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) && info.xyThumbBottom > info.xyThumbTop) {
        const int margin = Scaled(style, "scrollbar.thumb-margin", dpi);
        // Within the track, clear of the arrow buttons.
        const RECT thumb = {margin, std::max(info.xyThumbTop, button), width - margin,
                            std::min(info.xyThumbBottom, height - button)};
        const std::string_view state = PartState(info.rgstate[kThumb]);
        DrawPlate(dc, thumb,
                  {style.GradientOf(StateKey("scrollbar.thumb", state == "disabled" ? "normal" : state, "background")),
                   style.ColourOf("scrollbar.thumb.border"), Scaled(style, "scrollbar.thumb-radius", dpi), 1});
    }
    BitBlt(windowDc, bar.left, bar.top, width, height, dc, 0, 0, SRCCOPY);
    SelectObject(dc, previous);
    DeleteDC(dc);
}

}  // namespace ui::paint
