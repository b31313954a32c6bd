// Programs the driver starts and stands in for: the test sees the program's
// exit code as the driver's.
#pragma once

#include <windows.h>

#include <string>

namespace driver {

// Starts EXE with the current folder DIR; the thread's handle is closed.
PROCESS_INFORMATION startProgram(const std::wstring& exe, const std::wstring& dir, const STARTUPINFOW& startup,
                                 DWORD creationFlags);

// Waits for PROCESS to end and ends the driver with its exit code.
[[noreturn]] void exitWithExitCodeOf(HANDLE process);

}  // namespace driver
