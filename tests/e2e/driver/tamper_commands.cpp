#include <windows.h>

#include <string>

#include "commands.h"
#include "output.h"
#include "platform/handles.h"

namespace driver {

namespace {

std::wstring outcome(bool allowed) {
  return allowed ? L"allowed" : L"denied:" + std::to_wstring(GetLastError());
}

// Opens with the access and sharing given, closes again at once.
std::wstring tryOpen(const std::wstring& path, DWORD access, DWORD share) {
  const auto file = platform::AdoptFileHandle(
      CreateFileW(path.c_str(), access, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  return outcome(file != nullptr);
}

}  // namespace

// What another program of the user can do to PATH now: open it for writing,
// delete it, rename it (and back), open it for reading as the command
// processor does. Each line says allowed or denied with the error code.
void tamper(const Arguments& args) {
  args.expectCount(1, 1);
  const std::wstring path = args.at(0);
  const std::wstring moved = path + L".moved";
  printLine(L"write=" + tryOpen(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE));
  printLine(L"delete=" + outcome(DeleteFileW(path.c_str()) != FALSE));
  const bool renamed = MoveFileExW(path.c_str(), moved.c_str(), 0) != FALSE;
  printLine(L"rename=" + outcome(renamed));
  if (renamed) MoveFileExW(moved.c_str(), path.c_str(), 0);
  printLine(L"read=" + tryOpen(path, GENERIC_READ, FILE_SHARE_READ));
}

}  // namespace driver
