#pragma once
// The system's ANSI code page, in which the one file the program writes is
// encoded.

#include <string>
#include <string_view>

namespace platform {

unsigned AnsiCodePage();

// The text converted to the ANSI code page; characters it lacks become the
// code page's default character.
std::string ToAnsi(std::u16string_view text);

}  // namespace platform
