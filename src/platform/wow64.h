#pragma once
// Whether the program is a 32-bit process on 64-bit Windows (WoW64), where
// System32 names the 32-bit system folder, SysWOW64.

#include <optional>

namespace platform {

// True under WoW64; false on 32-bit Windows and for a 64-bit process.
// Nothing when the system cannot tell.
std::optional<bool> RunsUnderWow64();

}  // namespace platform
