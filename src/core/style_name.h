#pragma once
// Finding a style by the name its data gives, and the text shown when none has it.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace core {

// Whether two names are the same; on Windows, equal ignoring case by the user's locale.
using SameStyleName = std::function<bool(std::u16string_view, std::u16string_view)>;

// The position of the first name that is the same as the requested one.
std::optional<std::size_t> FindStyleName(std::u16string_view requested, const std::vector<std::u16string_view>& names,
                                         const SameStyleName& same);

// "Style '<name>' not found".
std::u16string StyleNotFoundText(std::u16string_view name);

}  // namespace core
