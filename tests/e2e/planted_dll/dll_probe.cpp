// Imports comctl32.dll and uxtheme.dll the way a program linked with them
// does, and has no manifest: where Windows would look for them beside the
// program, the copies planted there are the ones it loads.
#include <windows.h>
#include <commctrl.h>
#include <uxtheme.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  SetWindowTheme(nullptr, L" ", L" ");
  return 0;
}
