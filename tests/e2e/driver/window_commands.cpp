#include <windows.h>

#include <algorithm>

#include "commands.h"
#include "output.h"
#include "window_query.h"

namespace driver {

namespace {

WindowFilter filterFrom(const Arguments& args) {
  WindowFilter filter;
  filter.className = args.option(L"--class");
  filter.hasTitle = args.has(L"--title");
  filter.title = args.option(L"--title");
  filter.processId = args.has(L"--pid") ? parseNumber(args.option(L"--pid"), L"--pid") : 0;
  filter.visibleOnly = args.has(L"--visible");
  if (filter.className.empty() && !filter.hasTitle && filter.processId == 0)
    throw UsageError(L"name the window by --class, --title or --pid");
  return filter;
}

std::wstring describe(const WindowFilter& filter) {
  std::wstring text = L"top-level window";
  if (!filter.className.empty()) text += L" of class \"" + filter.className + L"\"";
  if (filter.hasTitle) text += L" titled \"" + filter.title + L"\"";
  if (filter.processId != 0) text += L" of process " + std::to_wstring(filter.processId);
  return filter.visibleOnly ? L"visible " + text : text;
}

std::wstring internalText(HWND window) {
  wchar_t text[512];
  int length = InternalGetWindowText(window, text, 512);
  return std::wstring(text, static_cast<size_t>(length));
}

std::wstring flag(bool on) { return on ? L"1" : L"0"; }

std::wstring rectangleText(const RECT& rect) {
  return std::to_wstring(rect.left) + L"\t" + std::to_wstring(rect.top) + L"\t" +
         std::to_wstring(rect.right - rect.left) + L"\t" + std::to_wstring(rect.bottom - rect.top);
}

void printTree(HWND top, HWND parent, int depth) {
  const int parentId = parent == top ? 0 : GetDlgCtrlID(parent);
  for (HWND window : childWindows(parent)) {
    printLine(std::to_wstring(depth) + L"\t" + hex(HandleToULong(window)) + L"\t" +
              std::to_wstring(GetDlgCtrlID(window)) + L"\t" + std::to_wstring(parentId) + L"\t" +
              escape(className(window)) + L"\t" +
              flag(IsWindowVisible(window)) + L"\t" + flag(IsWindowEnabled(window)) + L"\t" +
              hex(static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE))) + L"\t" +
              hex(static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE))) + L"\t" +
              rectangleText(rectangleIn(top, window)) + L"\t" + escape(windowText(window)));
    printTree(top, window, depth + 1);
  }
}

POINT centre(const RECT& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

void printPoint(POINT at) { printLine(std::to_wstring(at.x) + L" " + std::to_wstring(at.y)); }

}  // namespace

void waitWindow(const Arguments& args) {
  args.expectCount(0, 0);
  const WindowFilter filter = filterFrom(args);
  HWND found = nullptr;
  if (!waitUntil(args.timeoutMs(), [&] {
        auto windows = matchingTopLevelWindows(filter);
        found = windows.empty() ? nullptr : windows.front();
        return found != nullptr;
      }))
    throw Failure(L"no " + describe(filter) + L" within " + std::to_wstring(args.timeoutMs()) + L" ms");
  printLine(hex(HandleToULong(found)));
}

void waitGone(const Arguments& args) {
  args.expectCount(1, 1);
  HWND window = args.window(0);
  if (!waitUntil(args.timeoutMs(), [&] { return !IsWindow(window); }))
    throw Failure(L"window " + args.at(0) + L" still exists after " + std::to_wstring(args.timeoutMs()) + L" ms");
}

void countWindows(const Arguments& args) {
  args.expectCount(0, 0);
  printLine(std::to_wstring(matchingTopLevelWindows(filterFrom(args)).size()));
}

// The class of each matching top-level window, one a line, sorted.
void windowClasses(const Arguments& args) {
  args.expectCount(0, 0);
  std::vector<std::wstring> classes;
  for (HWND window : matchingTopLevelWindows(filterFrom(args))) classes.push_back(className(window));
  std::sort(classes.begin(), classes.end());
  for (const std::wstring& name : classes) printLine(escape(name));
}

void info(const Arguments& args) {
  args.expectCount(1, 1);
  HWND window = args.window(0);
  requireWindow(window);
  RECT outer;
  GetWindowRect(window, &outer);
  RECT client;
  GetClientRect(window, &client);
  printLine(L"class=" + escape(className(window)));
  printLine(L"text=" + escape(internalText(window)));
  printLine(L"visible=" + flag(IsWindowVisible(window)));
  printLine(L"enabled=" + flag(IsWindowEnabled(window)));
  printLine(L"style=" + hex(static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE))));
  printLine(L"exstyle=" + hex(static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE))));
  printLine(L"owner=" + hex(HandleToULong(GetWindow(window, GW_OWNER))));
  printLine(L"parent=" + hex(HandleToULong(GetAncestor(window, GA_PARENT))));
  printLine(L"id=" + std::to_wstring(GetDlgCtrlID(window)));
  printLine(L"pid=" + std::to_wstring(processOf(window)));
  printLine(L"rect=" + std::to_wstring(outer.left) + L" " + std::to_wstring(outer.top) + L" " +
            std::to_wstring(outer.right - outer.left) + L" " + std::to_wstring(outer.bottom - outer.top));
  printLine(L"client=" + std::to_wstring(client.right) + L" " + std::to_wstring(client.bottom));
}

void tree(const Arguments& args) {
  args.expectCount(1, 1);
  HWND top = args.window(0);
  requireWindow(top);
  printTree(top, top, 0);
}

void child(const Arguments& args) {
  args.expectCount(2, 2);
  HWND ancestor = args.window(0);
  requireWindow(ancestor);
  HWND found = descendantWithId(ancestor, static_cast<int>(args.number(1)));
  if (found == nullptr) throw Failure(L"window " + args.at(0) + L" has no descendant with id " + args.at(1));
  printLine(hex(HandleToULong(found)));
}

void text(const Arguments& args) {
  args.expectCount(1, 1);
  HWND window = args.window(0);
  requireWindow(window);
  printLine(escape(windowText(window)));
}

void focus(const Arguments& args) {
  args.expectCount(1, 1);
  HWND window = args.window(0);
  requireWindow(window);
  GUITHREADINFO state = {};
  state.cbSize = sizeof(state);
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &state))
    throw Failure(L"cannot read the input state of the thread of window " + args.at(0));
  printLine(L"focus=" + hex(HandleToULong(state.hwndFocus)));
  printLine(L"active=" + hex(HandleToULong(state.hwndActive)));
}

void exists(const Arguments& args) {
  args.expectCount(1, 1);
  printLine(IsWindow(args.window(0)) ? L"yes" : L"no");
}

void point(const Arguments& args) {
  args.expectCount(1, 1);
  HWND window = args.window(0);
  requireWindow(window);
  RECT rect;
  GetWindowRect(window, &rect);
  printPoint(centre(rect));
}

// Hit-tests the caption row from the right edge inwards, so the point found is
// one the window itself calls its close box.
void closeBox(const Arguments& args) {
  args.expectCount(1, 1);
  HWND window = args.window(0);
  requireWindow(window);
  RECT rect;
  GetWindowRect(window, &rect);
  const int row = rect.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
  int first = -1;
  int last = -1;
  for (int x = rect.right - 1; x > rect.left; --x) {
    LRESULT hit = sendWithin(window, WM_NCHITTEST, 0, MAKELPARAM(x, row), L"WM_NCHITTEST");
    if (hit == HTCLOSE) {
      if (last < 0) last = x;
      first = x;
    } else if (last >= 0) {
      break;
    }
  }
  if (last < 0) throw Failure(L"window " + args.at(0) + L" has no close box in its caption");
  printPoint({(first + last) / 2, row});
}

// What the window answers to WM_NCHITTEST at a point given from its top-left corner.
void hitTest(const Arguments& args) {
  args.expectCount(3, 3);
  HWND window = args.window(0);
  requireWindow(window);
  RECT rect;
  GetWindowRect(window, &rect);
  const int x = rect.left + static_cast<int>(args.number(1));
  const int y = rect.top + static_cast<int>(args.number(2));
  printLine(std::to_wstring(sendWithin(window, WM_NCHITTEST, 0, MAKELPARAM(x, y), L"WM_NCHITTEST")));
}

void workArea(const Arguments& args) {
  args.expectCount(0, 0);
  RECT area;
  if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0)) throw Failure(L"cannot read the work area");
  printLine(std::to_wstring(area.left) + L" " + std::to_wstring(area.top) + L" " +
            std::to_wstring(area.right - area.left) + L" " + std::to_wstring(area.bottom - area.top));
}

}  // namespace driver
