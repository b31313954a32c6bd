#pragma once
// Starting a program and waiting for its end.

#include <optional>
#include <string>

namespace platform {

// What a process is started with.
struct ProcessStart {
    std::u16string program;      // the program's full path
    std::u16string commandLine;
    std::u16string environment;  // a whole environment block in UTF-16
    std::u16string folder;       // its current folder
};

// Starts the program in a new console with the given show-window value and
// waits, without a time limit, until the process has ended. Returns its exit
// code, or nothing when the process could not be started.
std::optional<unsigned long> RunInNewConsoleAndWait(ProcessStart start, unsigned short showWindow);

}  // namespace platform
