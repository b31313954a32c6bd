// The end of the user's session as Windows announces it: to every top-level
// window of a process, WM_QUERYENDSESSION, then WM_ENDSESSION.
#include <windows.h>

#include <cstdint>

#include <string>
#include <vector>

#include "commands.h"
#include "output.h"

namespace driver {

namespace {

struct ProcessWindows {
  DWORD pid;
  std::vector<HWND> windows;
};

BOOL CALLBACK collect(HWND window, LPARAM param) {
  auto* found = reinterpret_cast<ProcessWindows*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid == found->pid) found->windows.push_back(window);
  return TRUE;
}

}  // namespace

// Sends WM_QUERYENDSESSION ("query") or WM_ENDSESSION with WPARAM ("end 0",
// "end 1") to every top-level window of PID, hidden ones too; prints per
// window its handle, class and answer.
void endSession(const Arguments& args) {
  args.expectCount(2, 3);
  const std::wstring kind = args.at(1);
  UINT message = 0;
  WPARAM wParam = 0;
  if (kind == L"query" && args.count() == 2) {
    message = WM_QUERYENDSESSION;
  } else if (kind == L"end" && args.count() == 3) {
    message = WM_ENDSESSION;
    wParam = args.number(2);
  } else {
    throw UsageError(L"expected PID query or PID end 0|1");
  }
  ProcessWindows found{args.number(0), {}};
  EnumWindows(collect, reinterpret_cast<LPARAM>(&found));
  if (found.windows.empty()) throw Failure(L"process " + std::to_wstring(found.pid) + L" has no top-level window");
  for (HWND window : found.windows) {
    wchar_t className[256] = {};
    GetClassNameW(window, className, 256);
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(window, message, wParam, 0, SMTO_NORMAL, 10000, &answer))
      throw Failure(L"window " + hex(static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(window))) + L" did not answer");
    printLine(hex(static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(window))) + L"\t" + escape(className) + L"\t" +
              std::to_wstring(answer));
  }
}

}  // namespace driver
