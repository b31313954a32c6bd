#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "commands.h"
#include "output.h"
#include "window_query.h"

namespace driver {

// Watches the desktop for MS milliseconds and prints every top-level window
// that was not there at the start and was seen visible: handle, process,
// class and text, once each. "watching" first tells that the windows there
// at the start are known, so what comes after is seen.
void watchWindows(const Arguments& args) {
  args.expectCount(1, 1);
  const DWORD watchMs = args.number(0);
  const std::vector<HWND> initial = topLevelWindows();
  printLine(L"watching");
  std::vector<HWND> reported;
  const ULONGLONG end = GetTickCount64() + watchMs;
  while (GetTickCount64() < end) {
    for (HWND window : topLevelWindows()) {
      if (!IsWindowVisible(window) || std::find(initial.begin(), initial.end(), window) != initial.end() ||
          std::find(reported.begin(), reported.end(), window) != reported.end())
        continue;
      reported.push_back(window);
      wchar_t text[256];
      const int length = InternalGetWindowText(window, text, 256);
      printLine(L"window=" + hex(HandleToULong(window)) + L"\t" + std::to_wstring(processOf(window)) + L"\t" +
                escape(className(window)) + L"\t" + escape(std::wstring(text, static_cast<size_t>(length))));
    }
    Sleep(10);
  }
}

}  // namespace driver
