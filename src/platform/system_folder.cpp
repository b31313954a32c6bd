#include "platform/system_folder.h"

#include <windows.h>

#include "platform/wide.h"

namespace platform {

std::optional<std::u16string> SystemFolder()
{
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return std::nullopt;
    return FromWide(folder, length);
}

std::optional<core::SystemFolders> WindowsAndSystemFolders()
{
    wchar_t windows[MAX_PATH];
    const UINT length = GetSystemWindowsDirectoryW(windows, MAX_PATH);
    const auto system = SystemFolder();
    if (length == 0 || length >= MAX_PATH || !system)
        return std::nullopt;
    return core::SystemFolders{FromWide(windows, length), *system};
}

}  // namespace platform
