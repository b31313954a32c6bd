#pragma once
// The system's ANSI code page, in which the one file the program writes is
// encoded.

#include <string_view>
#include <vector>

namespace platform {

unsigned AnsiCodePage();

// The text converted to the ANSI code page; characters it lacks become the
// code page's default character.
std::vector<char> ToAnsi(std::u16string_view text);

}  // namespace platform
