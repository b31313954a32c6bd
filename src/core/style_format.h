#pragma once
// The compiled style that the executable carries: the header line
// "LUMARIC-STYLE 2.0\n", then one zlib stream and nothing after it. The
// stream inflates to the style's name and its entries (see style_format.cpp).

#include "core/style_data.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace core {

inline constexpr std::string_view kStyleMagic = "LUMARIC-STYLE ";
inline constexpr std::string_view kStyleVersion = "2.0";
// A real style inflates to a few kilobytes; the cap stops a zlib bomb.
inline constexpr std::size_t kMaxInflatedStyleSize = 1u << 20;

std::vector<std::uint8_t> WriteStyle(const StyleData& style);

// Reads a compiled style; anything else throws core::Error saying what is wrong.
StyleData ReadStyle(const std::uint8_t* data, std::size_t size);

}  // namespace core
