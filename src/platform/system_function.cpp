#include "platform/system_function.h"

#include <string>

#include "platform/wide.h"

namespace platform {

FARPROC SystemFunction(const wchar_t* dll, const char* name)
{
    HMODULE module = GetModuleHandleW(dll);
    if (!module) {
        wchar_t folder[MAX_PATH];
        const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH)
            return nullptr;
        const std::u16string path =
            FromWide(folder, length) + u"\\" + FromWide(dll);
        module = LoadLibraryW(Wide(path));
        if (!module)
            return nullptr;
    }
    return GetProcAddress(module, name);
}

}  // namespace platform
