#include "output.h"

#include <windows.h>

#include <cwchar>

namespace driver {

namespace {

// Raw bytes, so the console's code page cannot alter them.
void writeUtf8(DWORD stream, const std::wstring& text) {
  int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
  bytes += '\n';
  DWORD written = 0;
  WriteFile(GetStdHandle(stream), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

}  // namespace

std::wstring escape(const std::wstring& text) {
  std::wstring escaped;
  for (wchar_t c : text) {
    switch (c) {
      case L'\\': escaped += L"\\\\"; break;
      case L'\r': escaped += L"\\r"; break;
      case L'\n': escaped += L"\\n"; break;
      case L'\t': escaped += L"\\t"; break;
      default: escaped += c;
    }
  }
  return escaped;
}

std::wstring hex(unsigned long value) {
  wchar_t text[16];
  swprintf(text, 16, L"0x%08lX", value);
  return text;
}

void printLine(const std::wstring& line) { writeUtf8(STD_OUTPUT_HANDLE, line); }

// Also to the file LUMARIC_DRIVER_SAID names, if any: the harness tells by it
// the driver's own failures from a Wine process that ended before the
// driver ran, without taking stderr from a desktop the driver may start.
void printError(const std::wstring& line) {
  writeUtf8(STD_ERROR_HANDLE, line);
  wchar_t path[MAX_PATH];
  const DWORD length = GetEnvironmentVariableW(L"LUMARIC_DRIVER_SAID", path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  HANDLE file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, "said\n", 5, &written, nullptr);
  CloseHandle(file);
}

}  // namespace driver
