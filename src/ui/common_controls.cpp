#include "ui/common_controls.h"

#include "platform/dll_search.h"
#include "platform/system_function.h"

namespace ui {
namespace {

template <class Fn>
void Find(HMODULE module, const char* name, Fn*& function)
{
    function = reinterpret_cast<Fn*>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

CommonControlsLibrary Load()
{
    CommonControlsLibrary library = {};
    library.module = platform::LoadSystemLibrary(L"comctl32.dll");
    if (library.module) {
        Find(library.module, "InitCommonControlsEx", library.initCommonControlsEx);
        Find(library.module, "SetWindowSubclass", library.setWindowSubclass);
        Find(library.module, "RemoveWindowSubclass", library.removeWindowSubclass);
        Find(library.module, "DefSubclassProc", library.defSubclassProc);
    }
    if (!library.initCommonControlsEx || !library.setWindowSubclass || !library.removeWindowSubclass ||
        !library.defSubclassProc)
        FatalAppExitW(0, L"Cannot load the system's common controls (comctl32.dll)");
    return library;
}

}  // namespace

const CommonControlsLibrary& CommonControls()
{
    static const CommonControlsLibrary library = Load();
    return library;
}

void SwitchVisualStylesOff(HWND window)
{
    using SetWindowThemeFunction = HRESULT WINAPI(HWND, LPCWSTR, LPCWSTR);
    static const auto setWindowTheme =
        platform::SystemFunction<SetWindowThemeFunction>(L"uxtheme.dll", "SetWindowTheme");
    if (setWindowTheme)
        setWindowTheme(window, L" ", L" ");
}

}  // namespace ui
