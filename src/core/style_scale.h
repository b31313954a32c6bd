#pragma once
// A style's metrics are pixels at 96 dpi; on a monitor of another scale they
// are rounded as MulDiv rounds: halves away from zero.

#include <cstdint>
#include <limits>

namespace core {

inline constexpr int kStyleDpi = 96;

// The value at the given pixels per inch; results past the int range are held at its ends.
constexpr int ScaleForDpi(int value, int dpi)
{
    const std::int64_t product = static_cast<std::int64_t>(value) * dpi;
    const std::int64_t half = product < 0 ? -kStyleDpi / 2 : kStyleDpi / 2;
    const std::int64_t scaled = (product + half) / kStyleDpi;
    if (scaled > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (scaled < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return static_cast<int>(scaled);
}

}  // namespace core
