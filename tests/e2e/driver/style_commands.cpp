#include <windows.h>

#include <cstdio>
#include <string>

#include "commands.h"
#include "handles.h"
#include "output.h"
#include "window_query.h"

namespace driver {

namespace {

std::wstring rgbText(COLORREF colour) {
  wchar_t text[8];
  std::swprintf(text, 8, L"%02X%02X%02X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
  return text;
}

}  // namespace

// What the screen shows at points of a window's client area, one RRGGBB
// line per point, so that a test can tell the style's colours from the
// system's.
void pixels(const Arguments& args) {
  args.expectCount(3, 41);
  if (args.count() % 2 != 1) throw UsageError(L"pixels needs X and Y for every point");
  HWND window = args.window(0);
  requireWindow(window);
  WindowDC screen(nullptr);
  for (size_t i = 1; i + 1 < args.count(); i += 2) {
    POINT at = {static_cast<LONG>(args.number(i)), static_cast<LONG>(args.number(i + 1))};
    ClientToScreen(window, &at);
    printLine(rgbText(GetPixel(screen.get(), at.x, at.y)));
  }
}

// A system colour (GetSysColor index) as RRGGBB.
void sysColour(const Arguments& args) {
  args.expectCount(1, 1);
  printLine(rgbText(GetSysColor(static_cast<int>(args.number(0)))));
}

}  // namespace driver
