#pragma once
// Paths in the long form the system gives for an open file ("\\?\C:\...",
// "\\?\UNC\server\share\...") and in the usual form programs are started by.

#include <optional>
#include <string>
#include <string_view>

namespace core {

// The longest path, its terminating zero included, that every program and
// the command processor take in the usual form (MAX_PATH).
inline constexpr std::size_t kMaxPath = 260;

// The path in the usual form (C:\..., \\server\share\...), or nothing where
// that does not fit in kMaxPath or the path has no usual form: a script
// that the command processor could not be given is not started.
std::optional<std::u16string> UsualPath(std::u16string_view longPath);

}  // namespace core
