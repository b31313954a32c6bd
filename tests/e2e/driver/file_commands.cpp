#include <windows.h>

#include <string>

#include "commands.h"
#include "output.h"

namespace driver {

namespace {

class File {
 public:
  File(const std::wstring& path, DWORD access, DWORD share, DWORD disposition)
      : handle_(CreateFileW(path.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr)),
        error_(GetLastError()) {}
  ~File() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  explicit operator bool() const { return handle_ != INVALID_HANDLE_VALUE; }
  DWORD error() const { return error_; }

 private:
  HANDLE handle_;
  DWORD error_;
};

std::wstring systemText(DWORD code) {
  wchar_t* text = nullptr;
  const DWORD length =
      FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, code, 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
  std::wstring result(text != nullptr ? text : L"", length);
  LocalFree(text);
  return result;
}

}  // namespace

// Makes the call the repair makes to create R.bat, so a test learns which
// error the platform gives for an obstacle and the system's text for it.
void createError(const Arguments& args) {
  args.expectCount(1, 1);
  File file(args.at(0), GENERIC_READ | GENERIC_WRITE, 0, CREATE_ALWAYS);
  if (file) throw Failure(args.at(0) + L" could be created: it is no obstacle");
  printLine(L"code=" + std::to_wstring(file.error()));
  printLine(L"reason=" + escape(systemText(file.error())));
}

// Keeps a file open without sharing for MS milliseconds, as another program
// using it would.
void holdFile(const Arguments& args) {
  args.expectCount(2, 2);
  File file(args.at(0), GENERIC_READ, 0, OPEN_EXISTING);
  if (!file) throw Failure(L"cannot open " + args.at(0) + L" (error " + std::to_wstring(file.error()) + L")");
  printLine(L"held");
  Sleep(args.number(1));
}

}  // namespace driver
