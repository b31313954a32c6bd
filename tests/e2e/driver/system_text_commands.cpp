// Texts the system itself shows, in the language of the session.
#include <windows.h>

#include "commands.h"
#include "output.h"

namespace driver {

// The caption the system gives a message box's OK button (MB_GetString).
void okText(const Arguments& args) {
  args.expectCount(0, 0);
  using GetStringFn = LPCWSTR WINAPI(UINT);
  auto* getString = reinterpret_cast<GetStringFn*>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "MB_GetString")));
  LPCWSTR text = getString ? getString(IDOK - 1) : nullptr;
  if (!text) throw Failure(L"the system names no OK button");
  printLine(escape(text));
}

}  // namespace driver
