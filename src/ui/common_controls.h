#pragma once
// The common controls and the theme engine, loaded at run time from the
// system rather than imported: neither is a DLL Windows always takes from
// the system folder, so an import would load a copy placed beside the
// executable.

#include <windows.h>
#include <commctrl.h>

namespace ui {

struct CommonControlsLibrary {
    HMODULE module;
    decltype(&::InitCommonControlsEx) initCommonControlsEx;
    decltype(&::SetWindowSubclass) setWindowSubclass;
    decltype(&::RemoveWindowSubclass) removeWindowSubclass;
    decltype(&::DefSubclassProc) defSubclassProc;
};

// The common controls the manifest asks for, loaded at the first call. The
// program cannot go on without them: where they cannot be loaded it says so
// and ends.
const CommonControlsLibrary& CommonControls();

// Switches the window's visual styles off where the system has them: a name
// no visual style has a section for.
void SwitchVisualStylesOff(HWND window);

}  // namespace ui
