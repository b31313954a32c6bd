#pragma once
// Complete styles for the tests: every key with a value of its kind, each
// value different, so that an entry read into the wrong place shows.

#include "core/error.h"
#include "core/style_data.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace style_samples {

inline core::StyleValue SampleValue(core::StyleKind kind, std::size_t i)
{
    const auto byte = [i](std::size_t salt) { return static_cast<std::uint8_t>((i * 37 + salt) % 256); };
    switch (kind) {
    case core::StyleKind::Colour: return core::Colour{byte(1), byte(2), byte(3)};
    case core::StyleKind::Metric: return static_cast<int>(i % (core::kMaxStyleMetric + 1));
    case core::StyleKind::Gradient:
        return core::Gradient{{byte(4), byte(5), byte(6)}, {byte(7), byte(8), byte(9)},
                              i % 2 ? core::GradientDirection::Horizontal : core::GradientDirection::Vertical};
    case core::StyleKind::Font: return core::StyleFont{u"宋体" + std::u16string(i % 3, u'x'), 12 + static_cast<int>(i % 5), 700};
    }
    return 0;
}

inline core::StyleEntries SampleEntries()
{
    core::StyleEntries entries;
    std::size_t i = 0;
    for (const core::StyleKey& key : core::kStyleKeys) entries.emplace(key.name, SampleValue(key.kind, i++));
    return entries;
}

// The style that ships, read from the source tree this test was built from.
inline std::string ShippedStyleSource()
{
    const auto path = std::filesystem::path(__FILE__).parent_path() / "../../res/SmokeyQuartzKamri.style.txt";
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The message of the core::Error that the call throws.
template <class Call>
std::u16string ErrorOf(Call&& call)
{
    try {
        call();
    } catch (const core::Error& error) {
        return error.Message();
    }
    return u"(no error)";
}

}  // namespace style_samples
