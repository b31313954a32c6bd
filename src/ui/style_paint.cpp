#include "ui/style_paint.h"

#include <algorithm>

#include "platform/dpi.h"

namespace ui::paint {
namespace {

std::uint8_t Between(std::uint8_t from, std::uint8_t to, int step, int steps)
{
    return static_cast<std::uint8_t>(from + (static_cast<int>(to) - from) * step / steps);
}

core::Colour Mix(core::Colour from, core::Colour to, int step, int steps)
{
    if (steps <= 0)
        return from;
    return {Between(from.red, to.red, step, steps), Between(from.green, to.green, step, steps),
            Between(from.blue, to.blue, step, steps)};
}

UniqueRegion RoundedRegion(const RECT& area, int radius)
{
    // Regions leave out their right and bottom edges.
    if (radius <= 0)
        return UniqueRegion(CreateRectRgn(area.left, area.top, area.right, area.bottom));
    return UniqueRegion(
        CreateRoundRectRgn(area.left, area.top, area.right + 1, area.bottom + 1, radius * 2, radius * 2));
}

}  // namespace

COLORREF Rgb(core::Colour colour) noexcept
{
    return RGB(colour.red, colour.green, colour.blue);
}

HBRUSH BrushCache::Get(core::Colour colour)
{
    const COLORREF rgb = Rgb(colour);
    for (const auto& [made, brush] : brushes_) {
        if (made == rgb)
            return brush.get();
    }
    brushes_.emplace_back(rgb, UniqueBrush(CreateSolidBrush(rgb)));
    return brushes_.back().second.get();
}

int Scaled(const core::StyleData& style, core::MetricKey metric, int dpi)
{
    return platform::ScaleForDpi(style.MetricOf(metric), dpi);
}

UniqueFont MakeFont(const core::StyleFont& font, int dpi)
{
    LOGFONTW log = {};
    log.lfHeight = -platform::ScaleForDpi(font.height, dpi);
    log.lfWeight = font.weight;
    log.lfCharSet = DEFAULT_CHARSET;
    log.lfQuality = DEFAULT_QUALITY;
    const std::size_t length = std::min<std::size_t>(font.face.size(), LF_FACESIZE - 1);
    std::copy_n(font.face.data(), length, log.lfFaceName);
    return UniqueFont(CreateFontIndirectW(&log));
}

void Fill(HDC dc, const RECT& area, core::Colour colour)
{
    // An opaque empty text fills without a brush to make and free.
    const COLORREF previous = SetBkColor(dc, Rgb(colour));
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
    SetBkColor(dc, previous);
}

void FillGradient(HDC dc, const RECT& area, const core::Gradient& gradient)
{
    const bool vertical = gradient.direction == core::GradientDirection::Vertical;
    const int length = vertical ? area.bottom - area.top : area.right - area.left;
    for (int i = 0; i < length; ++i) {
        const RECT line = vertical ? RECT{area.left, area.top + i, area.right, area.top + i + 1}
                                   : RECT{area.left + i, area.top, area.left + i + 1, area.bottom};
        Fill(dc, line, Mix(gradient.start, gradient.end, i, length - 1));
    }
}

void Outline(HDC dc, const RECT& area, core::Colour colour)
{
    Fill(dc, {area.left, area.top, area.right, area.top + 1}, colour);
    Fill(dc, {area.left, area.bottom - 1, area.right, area.bottom}, colour);
    Fill(dc, {area.left, area.top, area.left + 1, area.bottom}, colour);
    Fill(dc, {area.right - 1, area.top, area.right, area.bottom}, colour);
}

void Bevel(HDC dc, const RECT& area, core::Colour topLeft, core::Colour bottomRight)
{
    Fill(dc, {area.left, area.top, area.right, area.top + 1}, topLeft);
    Fill(dc, {area.left, area.top, area.left + 1, area.bottom}, topLeft);
    Fill(dc, {area.left, area.bottom - 1, area.right, area.bottom}, bottomRight);
    Fill(dc, {area.right - 1, area.top, area.right, area.bottom}, bottomRight);
}

void DrawPlate(HDC dc, const RECT& area, const Plate& plate)
{
    const SavedDC saved(dc);
    const UniqueRegion region = RoundedRegion(area, plate.radius);
    ExtSelectClipRgn(dc, region.get(), RGN_AND);
    FillGradient(dc, area, plate.fill);
    if (plate.borderWidth > 0) {
        const UniqueBrush border(CreateSolidBrush(Rgb(plate.border)));
        FrameRgn(dc, region.get(), border.get(), plate.borderWidth, plate.borderWidth);
    }
}

void DrawRoundedOutline(HDC dc, const RECT& area, int radius, core::Colour colour)
{
    const UniqueRegion region = RoundedRegion(area, radius);
    const UniqueBrush brush(CreateSolidBrush(Rgb(colour)));
    FrameRgn(dc, region.get(), brush.get(), 1, 1);
}

void FocusRect(HDC dc, const RECT& area, core::Colour colour)
{
    const COLORREF rgb = Rgb(colour);
    for (int x = area.left; x < area.right; x += 2) {
        SetPixelV(dc, x, area.top, rgb);
        SetPixelV(dc, x, area.bottom - 1, rgb);
    }
    for (int y = area.top; y < area.bottom; y += 2) {
        SetPixelV(dc, area.left, y, rgb);
        SetPixelV(dc, area.right - 1, y, rgb);
    }
}

void Text(HDC dc, std::u16string_view text, RECT area, UINT format, core::Colour colour, HFONT font)
{
    const SavedDC saved(dc);
    SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, Rgb(colour));
    DrawTextW(dc, reinterpret_cast<const wchar_t*>(text.data()), static_cast<int>(text.size()), &area, format);
}

void Arrow(HDC dc, const RECT& area, int width, ArrowDirection direction, core::Colour colour)
{
    // Rows of pixels narrowing by one on each side keep the edges crisp.
    const int height = (width + 1) / 2;
    const int left = area.left + (area.right - area.left - width) / 2;
    const int top = area.top + (area.bottom - area.top - height) / 2;
    for (int row = 0; row < height; ++row) {
        const int y = top + (direction == ArrowDirection::Down ? row : height - 1 - row);
        Fill(dc, {left + row, y, left + width - row, y + 1}, colour);
    }
}

}  // namespace ui::paint
