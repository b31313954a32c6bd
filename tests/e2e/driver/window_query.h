// Looking at other processes' windows without ever hanging on a busy one:
// every message sent carries a time limit.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace driver {

// How long a window may take to answer one message before it counts as busy.
constexpr DWORD kAnswerMs = 2000;

std::wstring className(HWND window);
// The text as the window's own thread reports it (WM_GETTEXT).
std::wstring windowText(HWND window);
LRESULT sendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam, const wchar_t* what);

std::vector<HWND> topLevelWindows();
// Direct children from the top of the z-order down: the order of Tab.
std::vector<HWND> childWindows(HWND parent);
HWND descendantWithId(HWND ancestor, int id);
// The window's rectangle in the client coordinates of `top`.
RECT rectangleIn(HWND top, HWND window);
DWORD processOf(HWND window);
void requireWindow(HWND window);

struct WindowFilter {
  std::wstring className;
  std::wstring title;
  bool hasTitle = false;
  DWORD processId = 0;
  bool visibleOnly = false;
  bool matches(HWND window) const;
};
std::vector<HWND> matchingTopLevelWindows(const WindowFilter& filter);

// Polls `probe` every 50 ms until it returns true or `timeoutMs` has passed.
bool waitUntil(DWORD timeoutMs, const std::function<bool()>& probe);

}  // namespace driver
