#pragma once
// File-system paths of the shell's special folders.

#include <windows.h>

#include <optional>
#include <string>

namespace platform {

// The path of the folder with that CSIDL number, or nothing when the shell
// knows no file-system path for it.
std::optional<std::u16string> ShellFolderPath(HWND owner, int csidl);

}  // namespace platform
