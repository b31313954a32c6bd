#pragma once
// The system folder, where the system's own programs and DLLs are.

#include <optional>
#include <string>

namespace platform {

// The system folder's path (such as C:\Windows\System32), or nothing when
// the system cannot give it.
std::optional<std::u16string> SystemFolder();

}  // namespace platform
