#pragma once
// Where the program's DLLs come from: the system folder, never the folder
// the executable lies in, where anyone who can write there could put a DLL
// of the same name.

#include <windows.h>

namespace platform {

// Limits the process's DLL search to the system folder where Windows has
// SetDefaultDllDirectories. Comes before any DLL is loaded by name.
void RestrictDllSearchToSystemFolder();

// Loads a DLL of the system's: by name where the search is limited to the
// system folder or the manifest redirects the name side by side (so that
// the common controls 6 are still found), by its full path in the system
// folder otherwise. Null when it cannot be loaded.
HMODULE LoadSystemLibrary(const wchar_t* name);

}  // namespace platform
