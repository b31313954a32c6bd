// Where a window answers what to WM_NCHITTEST, over every point of it, so
// that a test can compare the answers with what the window draws.
#include <windows.h>

#include <algorithm>
#include <climits>
#include <map>
#include <string>

#include "commands.h"
#include "output.h"
#include "window_query.h"

namespace driver {

namespace {

struct Region {
  long count = 0;
  RECT bounds = {LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
  void add(int x, int y) {
    ++count;
    bounds = {std::min<LONG>(bounds.left, x), std::min<LONG>(bounds.top, y), std::max<LONG>(bounds.right, x + 1),
              std::max<LONG>(bounds.bottom, y + 1)};
  }
};

}  // namespace

// Every point of the frame, and the client area's outermost points (a
// message to another process takes a while: the inside of the client area
// would take most of a minute). Per answer: the answer, how many points gave
// it, and the rectangle that bounds them (left top width height from the
// window's top-left corner). An answer whose count is its rectangle's area
// fills that rectangle.
void hitMap(const Arguments& args) {
  args.expectCount(1, 1);
  HWND window = args.window(0);
  requireWindow(window);
  RECT outer;
  GetWindowRect(window, &outer);
  RECT client;
  GetClientRect(window, &client);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  OffsetRect(&client, -outer.left, -outer.top);
  RECT inside = client;
  InflateRect(&inside, -1, -1);
  std::map<LRESULT, Region> answers;
  for (int y = 0; y < outer.bottom - outer.top; ++y) {
    for (int x = 0; x < outer.right - outer.left; ++x) {
      if (PtInRect(&inside, {x, y})) continue;
      answers[sendWithin(window, WM_NCHITTEST, 0, MAKELPARAM(outer.left + x, outer.top + y), L"WM_NCHITTEST")].add(x, y);
    }
  }
  for (const auto& [answer, region] : answers) {
    const RECT& b = region.bounds;
    printLine(std::to_wstring(answer) + L"\t" + std::to_wstring(region.count) + L"\t" + std::to_wstring(b.left) + L" " +
              std::to_wstring(b.top) + L" " + std::to_wstring(b.right - b.left) + L" " + std::to_wstring(b.bottom - b.top));
  }
}

}  // namespace driver
