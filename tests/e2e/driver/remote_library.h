// Code of the driver's own run inside another process: a DLL loaded there.
#pragma once

#include <windows.h>

#include <string>

namespace driver {

// Runs LoadLibraryW(LIBRARY) on a new thread of process PROCESS_ID and waits
// at most TIMEOUT_MS for it to end; the library does its work in DllMain.
void loadLibraryInto(DWORD processId, const std::wstring& library, DWORD timeoutMs);

}  // namespace driver
