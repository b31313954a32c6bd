#pragma once
// The drawing primitives that every styled surface shares: the style's
// colours, gradients, metrics and fonts turned into GDI, at a window's scale.

#include <windows.h>

#include <utility>
#include <vector>
#include <string>
#include <string_view>

#include "core/style_data.h"
#include "ui/gdi.h"

namespace ui::paint {

COLORREF Rgb(core::Colour colour) noexcept;

// Solid brushes that a window hands out in its WM_CTLCOLOR answers, made
// once per colour and kept while the window lives.
class BrushCache {
public:
    HBRUSH Get(core::Colour colour);

private:
    // A window asks for a handful of colours: a short list is enough.
    std::vector<std::pair<COLORREF, UniqueBrush>> brushes_;
};

// A metric of the style at the given pixels per inch.
int Scaled(const core::StyleData& style, core::MetricKey metric, int dpi);
UniqueFont MakeFont(const core::StyleFont& font, int dpi);

void Fill(HDC dc, const RECT& area, core::Colour colour);
void FillGradient(HDC dc, const RECT& area, const core::Gradient& gradient);
// A one-pixel outline just inside the rectangle.
void Outline(HDC dc, const RECT& area, core::Colour colour);

// A one-pixel sunken line round the rectangle: the first colour above and
// left, the second below and right.
void Bevel(HDC dc, const RECT& area, core::Colour topLeft, core::Colour bottomRight);

// A rounded plate: the gradient inside, the border of that width along its
// edge. What lies outside the corners is left as it was.
struct Plate {
    const core::Gradient& fill;
    core::Colour border;
    int radius;
    int borderWidth;
};
void DrawPlate(HDC dc, const RECT& area, const Plate& plate);
// The keys of a plate's look in one state: its fill, its border and the
// colour of what is drawn on it, text or a glyph.
struct PlateKeys {
    core::GradientKey fill;
    core::ColourKey border;
    core::ColourKey foreground;
};
// A rounded outline only.
void DrawRoundedOutline(HDC dc, const RECT& area, int radius, core::Colour colour);

// The dotted rectangle that shows where the keyboard focus is.
void FocusRect(HDC dc, const RECT& area, core::Colour colour);

// Text in a colour, on whatever is behind it.
void Text(HDC dc, std::u16string_view text, RECT area, UINT format, core::Colour colour, HFONT font);

enum class ArrowDirection { Up, Down };
// A filled triangle of that width centred in the area.
void Arrow(HDC dc, const RECT& area, int width, ArrowDirection direction, core::Colour colour);

}  // namespace ui::paint
