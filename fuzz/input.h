#pragma once
// Turning a fuzzer's bytes into the program's inputs, and stopping on a
// broken promise so that libFuzzer reports it with the input.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

// UTF-8 read leniently, so that any code unit can be reached: a well-formed
// sequence gives its character (two units above U+FFFF), an encoded
// surrogate gives that lone unit, and any other byte gives the unit of its
// own value.
std::u16string Utf16(std::string_view bytes);

// The bytes cut at each zero byte; the last field runs to the end.
std::vector<std::string_view> Fields(std::string_view bytes);

// Prints what was promised and aborts.
[[noreturn]] void Broken(const char* promise);

}  // namespace fuzz

#define FUZZ_REQUIRE(condition) ((condition) ? void(0) : ::fuzz::Broken(#condition))
