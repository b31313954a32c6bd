#pragma once
// A key of the style for one kind of value, checked against kStyleKeys when
// the program is built. The style's lookups take only these, so a misspelt
// key, or one whose value is of another kind, stops the build instead of
// throwing inside a WM_PAINT. Make each key a constexpr constant (or a member
// of a constexpr table): only then is the check sure to run at build time.

#include "core/style_keys.h"

#include <string_view>

namespace core {

constexpr bool IsKnownStyleKey(std::string_view name, StyleKind kind) noexcept
{
    const StyleKey* key = FindStyleKey(name);
    return key && key->kind == kind;
}

// Throws core::Error naming the key. Not constexpr on purpose: a constant
// made with a wrong key fails to compile at its call.
[[noreturn]] void NotAStyleKeyOfThisKind(std::string_view name, StyleKind kind);

template <StyleKind Kind>
class TypedStyleKey {
public:
    constexpr explicit TypedStyleKey(std::string_view name) : name_(name)
    {
        if (!IsKnownStyleKey(name, Kind)) NotAStyleKeyOfThisKind(name, Kind);
    }

    constexpr std::string_view Name() const noexcept { return name_; }

private:
    std::string_view name_;
};

using ColourKey = TypedStyleKey<StyleKind::Colour>;
using MetricKey = TypedStyleKey<StyleKind::Metric>;
using GradientKey = TypedStyleKey<StyleKind::Gradient>;
using FontKey = TypedStyleKey<StyleKind::Font>;

}  // namespace core
