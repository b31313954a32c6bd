#include "platform/dll_search.h"

#include <string>

#include "platform/system_folder.h"
#include "platform/system_function.h"
#include "platform/wide.h"

namespace platform {
namespace {

bool searchRestricted = false;

// True when the process's manifest redirects the DLL's name to a
// side-by-side assembly, which the loader looks in before any folder.
bool RedirectedSideBySide(const wchar_t* name)
{
    ACTCTX_SECTION_KEYED_DATA data = {};
    data.cbSize = sizeof data;
    return FindActCtxSectionStringW(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION, name, &data) != FALSE;
}

}  // namespace

void RestrictDllSearchToSystemFolder()
{
    // Windows 8 and later, and Vista and 7 with update KB2533623.
    using SetDefaultDllDirectoriesFunction = BOOL WINAPI(DWORD);
    const auto setDefault =
        SystemFunction<SetDefaultDllDirectoriesFunction>(L"kernel32.dll", "SetDefaultDllDirectories");
    searchRestricted = setDefault && setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

HMODULE LoadSystemLibrary(const wchar_t* name)
{
    if (searchRestricted || RedirectedSideBySide(name))
        return LoadLibraryW(name);
    const auto folder = SystemFolder();
    if (!folder)
        return nullptr;
    const std::u16string path = *folder + u"\\" + FromWide(name);
    return LoadLibraryW(Wide(path));
}

}  // namespace platform
