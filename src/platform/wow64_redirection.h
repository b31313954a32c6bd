#pragma once
// A 32-bit process on 64-bit Windows sees the 32-bit system folder
// (SysWOW64) under the name System32, where some of the system's programs
// have no copy, until it switches that redirection off for its thread.

#include <windows.h>

namespace platform {

// While it lives, System32 names the native system folder for this thread.
// Nothing is switched where the process is not such a 32-bit one. Nothing
// that loads a DLL may run in its scope.
class NativeSystemFolderScope {
public:
    NativeSystemFolderScope();
    ~NativeSystemFolderScope();
    NativeSystemFolderScope(const NativeSystemFolderScope&) = delete;
    NativeSystemFolderScope& operator=(const NativeSystemFolderScope&) = delete;

    // False when the redirection applies and could not be switched off.
    bool Native() const { return native_; }

private:
    using RevertFunction = BOOL WINAPI(PVOID);
    RevertFunction* revert_ = nullptr;
    PVOID previous_ = nullptr;
    bool native_ = true;
};

}  // namespace platform
