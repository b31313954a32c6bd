// What Windows 8.1 and later send a per-monitor aware window that moves to a
// monitor of another scale, for Wine, which has one scale for all monitors
// and never sends it.
#include <windows.h>

#include <string>

#include "commands.h"
#include "handles.h"
#include "output.h"
#include "window_query.h"

namespace driver {

namespace {

constexpr UINT kDpiChanged = 0x02E0;

}  // namespace

// WM_DPICHANGED for DPI with the suggested rectangle LEFT TOP WIDTH HEIGHT,
// which the message's lParam points to in the window's own process.
void dpiChanged(const Arguments& args) {
  args.expectCount(6, 6);
  HWND window = args.window(0);
  requireWindow(window);
  const auto dpi = static_cast<WORD>(args.number(1));
  const auto left = static_cast<LONG>(args.number(2));
  const auto top = static_cast<LONG>(args.number(3));
  const RECT suggested = {left, top, left + static_cast<LONG>(args.number(4)), top + static_cast<LONG>(args.number(5))};
  RemoteBuffer buffer(window, sizeof suggested);
  buffer.write(&suggested, sizeof suggested);
  sendWithin(window, kDpiChanged, MAKEWPARAM(dpi, dpi), buffer.address(), L"WM_DPICHANGED");
}

}  // namespace driver
