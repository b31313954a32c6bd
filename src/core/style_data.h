#pragma once
// A visual style as the drawing reads it: the style's own name and a flat
// table of named colours, metrics, gradients and fonts. Every key the drawing
// asks for is listed in StyleKeys(); a StyleData holds each of them, with a
// value of the listed kind, or it cannot be made.

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace core {

struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(Colour a, Colour b) { return a.red == b.red && a.green == b.green && a.blue == b.blue; }
};

// Vertical runs from the top edge down, horizontal from the left edge across.
enum class GradientDirection : std::uint8_t { Vertical, Horizontal };

struct Gradient {
    Colour start;
    Colour end;
    GradientDirection direction = GradientDirection::Vertical;
    friend bool operator==(const Gradient& a, const Gradient& b)
    {
        return a.start == b.start && a.end == b.end && a.direction == b.direction;
    }
};

// Height is the character height in pixels at 96 dpi (a LOGFONT height of
// minus that, scaled); weight as in LOGFONT (400 regular, 700 bold).
struct StyleFont {
    std::u16string face;
    int height = 0;
    int weight = 0;
    friend bool operator==(const StyleFont& a, const StyleFont& b)
    {
        return a.face == b.face && a.height == b.height && a.weight == b.weight;
    }
};

// A metric is a length in pixels at 96 dpi: scale it with ScaleForDpi.
enum class StyleKind : std::uint8_t { Colour, Metric, Gradient, Font };
// The alternatives are in the order of StyleKind.
using StyleValue = std::variant<Colour, int, Gradient, StyleFont>;

inline constexpr int kMaxStyleMetric = 1000;
inline constexpr int kMaxFontHeight = 200;
inline constexpr int kMaxFontWeight = 1000;
inline constexpr std::size_t kMaxStyleNameLength = 255;
inline constexpr std::size_t kMaxFontFaceLength = 31;  // LOGFONT's face holds 32 with the null
inline constexpr std::size_t kMaxStyleKeyLength = 64;

struct StyleKey {
    std::string_view name;
    StyleKind kind;
};

// What a style holds, in a fixed order.
const std::vector<StyleKey>& StyleKeys();

// The checks that both the style source and the compiled style pass: each
// throws core::Error saying what is wrong.
void CheckStyleName(std::u16string_view name);
void CheckStyleEntry(std::string_view key, const StyleValue& value);

using StyleEntries = std::map<std::string, StyleValue, std::less<>>;

class StyleData {
public:
    // Checks the name and every entry, and that no key of StyleKeys() is missing.
    StyleData(std::u16string name, StyleEntries entries);

    const std::u16string& Name() const noexcept { return name_; }
    const StyleEntries& Entries() const noexcept { return entries_; }

    // The value of a key of StyleKeys(); any other key, or one of another
    // kind, is a fault of the caller and throws core::Error.
    Colour ColourOf(std::string_view key) const;
    int MetricOf(std::string_view key) const;
    const Gradient& GradientOf(std::string_view key) const;
    const StyleFont& FontOf(std::string_view key) const;

private:
    template <class T>
    const T& ValueOf(std::string_view key, StyleKind kind) const;

    std::u16string name_;
    StyleEntries entries_;
};

}  // namespace core
