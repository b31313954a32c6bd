#pragma once
// Functions newer than Windows Vista are looked up at run time, so that the
// executable's imports name only what Vista has.

#include <windows.h>

namespace platform {

// The function from a system DLL, or null where this Windows lacks it.
// The DLL is loaded from the system folder only, never from the program's.
FARPROC SystemFunction(const wchar_t* dll, const char* name);

template <class Fn>
Fn* SystemFunction(const wchar_t* dll, const char* name)
{
    return reinterpret_cast<Fn*>(reinterpret_cast<void*>(SystemFunction(dll, name)));
}

}  // namespace platform
