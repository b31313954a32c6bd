#pragma once
// A visual style as the drawing reads it: the style's own name and a flat
// table of named colours, metrics, gradients and fonts. Every key the drawing
// asks for is listed in kStyleKeys; a StyleData holds each of them, with a
// value of the listed kind, or it cannot be made.

#include "core/style_keys.h"
#include "core/typed_style_key.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
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

// The alternatives are in the order of StyleKind.
using StyleValue = std::variant<Colour, int, Gradient, StyleFont>;

inline constexpr int kMaxStyleMetric = 1000;
inline constexpr int kMaxFontHeight = 200;
inline constexpr int kMaxFontWeight = 1000;
inline constexpr std::size_t kMaxStyleNameLength = 255;
inline constexpr std::size_t kMaxFontFaceLength = 31;  // LOGFONT's face holds 32 with the null
inline constexpr std::size_t kMaxStyleKeyLength = 64;

// The checks that both the style source and the compiled style pass: each
// throws core::Error saying what is wrong.
void CheckStyleName(std::u16string_view name);
void CheckStyleEntry(std::string_view key, const StyleValue& value);

// A style's entries by key, sorted: only keys of kStyleKeys, each at most
// once, held as the list's own texts. A plain sorted list, so that the
// executable carries no tree or narrow string code for it.
class StyleEntries {
public:
    using Entry = std::pair<std::string_view, StyleValue>;
    using const_iterator = std::vector<Entry>::const_iterator;

    // Adds the entry unless its key is there already (false then). A key
    // that kStyleKeys does not list throws core::Error, as for every change.
    std::pair<const_iterator, bool> emplace(std::string_view key, StyleValue value);
    StyleValue& operator[](std::string_view key);
    std::size_t erase(std::string_view key);

    const_iterator find(std::string_view key) const;
    // The value of a key that is there; any other throws core::Error.
    const StyleValue& at(std::string_view key) const;

    std::size_t size() const noexcept { return entries_.size(); }
    const_iterator begin() const noexcept { return entries_.begin(); }
    const_iterator end() const noexcept { return entries_.end(); }
    friend bool operator==(const StyleEntries& a, const StyleEntries& b) { return a.entries_ == b.entries_; }

private:
    std::vector<Entry>::iterator Position(std::string_view key);

    std::vector<Entry> entries_;
};

class StyleData {
public:
    // Checks the name and every entry, and that no key of kStyleKeys is missing.
    StyleData(std::u16string name, StyleEntries entries);

    const std::u16string& Name() const noexcept { return name_; }
    const StyleEntries& Entries() const noexcept { return entries_; }

    // The value of a key: the style holds every key, each with a value of its kind.
    Colour ColourOf(ColourKey key) const;
    int MetricOf(MetricKey key) const;
    const Gradient& GradientOf(GradientKey key) const;
    const StyleFont& FontOf(FontKey key) const;

private:
    std::u16string name_;
    StyleEntries entries_;
};

}  // namespace core
