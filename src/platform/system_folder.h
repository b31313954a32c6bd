#pragma once
// The system folder, where the system's own programs and DLLs are, and the
// Windows folder above it.

#include <optional>
#include <string>

#include "core/script_start.h"

namespace platform {

// The system folder's path (such as C:\Windows\System32), or nothing when
// the system cannot give it.
std::optional<std::u16string> SystemFolder();

// The Windows folder (GetSystemWindowsDirectoryW, the same for every user)
// and the system folder, or nothing when the system cannot give them.
std::optional<core::SystemFolders> WindowsAndSystemFolders();

}  // namespace platform
