#include "platform/shell_folder.h"

#include <shlobj.h>

#include "platform/handles.h"
#include "platform/wide.h"

namespace platform {

std::optional<std::u16string> ShellFolderPath(HWND owner, int csidl)
{
    LPITEMIDLIST items = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(owner, csidl, &items)) || !items)
        return std::nullopt;
    const UniqueCoTaskMem<ITEMIDLIST> ownedItems(items);

    // SHGetPathFromIDListW writes up to MAX_PATH units, whatever buffer it gets.
    wchar_t path[MAX_PATH] = {};
    if (!SHGetPathFromIDListW(items, path))
        return std::nullopt;
    return FromWide(path);
}

}  // namespace platform
