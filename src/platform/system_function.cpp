#include "platform/system_function.h"

#include "platform/dll_search.h"

namespace platform {

FARPROC SystemFunction(const wchar_t* dll, const char* name)
{
    HMODULE module = GetModuleHandleW(dll);
    if (!module)
        module = LoadSystemLibrary(dll);
    return module ? GetProcAddress(module, name) : nullptr;
}

}  // namespace platform
