#include <windows.h>
#include <commctrl.h>

#include <string>

#include "commands.h"
#include "handles.h"
#include "output.h"
#include "window_query.h"

namespace driver {

// The centre of tab INDEX of a tab control in screen coordinates, where a
// person clicks to bring its page forward.
void tabPoint(const Arguments& args) {
  args.expectCount(2, 2);
  HWND control = args.window(0);
  requireWindow(control);
  if (_wcsicmp(className(control).c_str(), WC_TABCONTROLW) != 0)
    throw Failure(L"window " + args.at(0) + L" is a " + className(control) + L", not a " + WC_TABCONTROLW);
  const WPARAM index = args.number(1);
  RemoteBuffer buffer(control, sizeof(RECT));
  if (!sendWithin(control, TCM_GETITEMRECT, index, buffer.address(), L"TCM_GETITEMRECT"))
    throw Failure(L"tab control " + args.at(0) + L" has no tab " + args.at(1));
  RECT tab;
  buffer.read(&tab, sizeof(tab));
  POINT middle = {(tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2};
  ClientToScreen(control, &middle);
  printLine(std::to_wstring(middle.x) + L" " + std::to_wstring(middle.y));
}

}  // namespace driver
