#pragma once
// Paths in the long form the system gives for an open file ("\\?\C:\...",
// "\\?\UNC\server\share\...") and in the usual form programs are started by.

#include <string>
#include <string_view>

namespace core {

// The longest path, its terminating zero included, that every program and
// the command processor take in the usual form (MAX_PATH).
inline constexpr std::size_t kMaxPath = 260;

// The path in the usual form (C:\..., \\server\share\...) where that fits in
// kMaxPath; otherwise, and for any other form, the path as it is.
std::u16string WithoutLongPathPrefix(std::u16string_view path);

}  // namespace core
