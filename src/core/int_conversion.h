#pragma once
// Whole numbers typed by the user: blanks in front, an optional sign, decimal
// or hexadecimal ("$", "x", "X", "0x", "0X"), nothing after.

#include "core/error.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace core {

// The value of the text, or nothing when it is not a valid integer.
std::optional<std::int32_t> TryStrToInt(std::u16string_view text);

// The value of the text; throws InvalidIntegerError(text) when it is not valid.
std::int32_t StrToInt(std::u16string_view text);

// "'<text>' is not a valid integer value", naming the whole text.
Error InvalidIntegerError(std::u16string_view text);

}  // namespace core
