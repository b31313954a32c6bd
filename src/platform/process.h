#pragma once
// Starting a program and waiting for its end.

#include <optional>
#include <string>

namespace platform {

// Starts the command line in a new console with the given show-window value
// and the folder as its current folder, and waits, without a time limit,
// until the process has ended. Returns its exit code, or nothing when the
// process could not be started.
std::optional<unsigned long> RunInNewConsoleAndWait(std::u16string commandLine, unsigned short showWindow,
                                                    const std::u16string& folder);

}  // namespace platform
