#pragma once
// The file operations of the repair: writing the script and testing that it
// is there.

#include <optional>
#include <string>
#include <vector>

#include "platform/handles.h"

namespace platform {

// Creates the file, or empties an existing one, and writes the bytes. The
// write goes only into an ordinary file in the path's folder: never through
// a link (one to another file as well as one to another folder), never into
// a file with other names, and, in an elevated process, only where the
// user's own unelevated rights reach. Throws core::Error "Cannot create file
// "<full path>". <reason>" when the file cannot be opened or is refused, with
// the file as it was, and "Stream write error" when the bytes cannot be
// written.
void WriteNewFile(const std::u16string& path, const std::vector<unsigned char>& bytes);

// Opens the file so that, while the handle is held, others may read it but
// no one may write, rename or delete it, and checks that it holds exactly
// the bytes. Throws core::Error when it cannot be opened or holds others.
UniqueHandle HoldUnchanged(const std::u16string& path, const std::vector<unsigned char>& bytes);

// The path by which the open file is reached, with every link resolved, in
// the usual form (C:\...); nothing where that does not fit in MAX_PATH or
// the system cannot name it.
std::optional<std::u16string> FinalPath(const UniqueHandle& file);

// True when a file (not a folder) is at the path; links are followed.
bool FileExists(const std::u16string& path);

// The path made absolute, as the system resolves it; the path itself when
// the system cannot.
std::u16string FullPathName(const std::u16string& path);

// The system's text for an error code, as FormatMessageW gives it.
std::u16string SystemErrorText(unsigned long code);

}  // namespace platform
