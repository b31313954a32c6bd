#include <windows.h>

#include <string>

#include "commands.h"
#include "output.h"
#include "platform/file_system.h"
#include "platform/handles.h"

namespace driver {

namespace {

// A file opened as the repair opens its script, and the error if it could not be.
struct OpenedFile {
  platform::UniqueHandle handle;
  DWORD error;
};

OpenedFile openFile(const std::wstring& path, DWORD access, DWORD share, DWORD disposition) {
  auto handle = platform::AdoptFileHandle(
      CreateFileW(path.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
  const DWORD error = GetLastError();
  return {std::move(handle), error};
}

std::wstring systemText(DWORD code) {
  const std::u16string text = platform::SystemErrorText(code);
  return std::wstring(text.begin(), text.end());
}

}  // namespace

// Makes the call the repair makes to create R.bat, so a test learns which
// error the platform gives for an obstacle and the system's text for it.
void createError(const Arguments& args) {
  args.expectCount(1, 1);
  const OpenedFile file = openFile(args.at(0), GENERIC_READ | GENERIC_WRITE, 0, CREATE_ALWAYS);
  if (file.handle) throw Failure(args.at(0) + L" could be created: it is no obstacle");
  printLine(L"code=" + std::to_wstring(file.error));
  printLine(L"reason=" + escape(systemText(file.error)));
}

// Keeps a file open without sharing for MS milliseconds, as another program
// using it would.
void holdFile(const Arguments& args) {
  args.expectCount(2, 2);
  const OpenedFile file = openFile(args.at(0), GENERIC_READ, 0, OPEN_EXISTING);
  if (!file.handle) throw Failure(L"cannot open " + args.at(0) + L" (error " + std::to_wstring(file.error) + L")");
  printLine(L"held");
  Sleep(args.number(1));
}

}  // namespace driver
