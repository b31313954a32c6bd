#pragma once
// Small helpers for the program's UTF-16 texts.

#include <string>
#include <string_view>
#include <initializer_list>

namespace core {

// Replaces each "%s" of the pattern, in turn, by the next argument.
std::u16string Format(std::u16string_view pattern, std::initializer_list<std::u16string_view> args);

// Widens a 7-bit ASCII text; used for texts that come from the C library.
std::u16string FromAscii(std::string_view ascii);

}  // namespace core
