#include "platform/system_function.h"

#include <string>

#include "platform/system_folder.h"
#include "platform/wide.h"

namespace platform {

FARPROC SystemFunction(const wchar_t* dll, const char* name)
{
    HMODULE module = GetModuleHandleW(dll);
    if (!module) {
        const auto folder = SystemFolder();
        if (!folder)
            return nullptr;
        const std::u16string path = *folder + u"\\" + FromWide(dll);
        module = LoadLibraryW(Wide(path));
        if (!module)
            return nullptr;
    }
    return GetProcAddress(module, name);
}

}  // namespace platform
