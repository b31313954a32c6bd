// Recording stand-in for ipconfig, arp and nbtstat. The end-to-end tests run
// the repair script against copies of it, so this machine's network is never
// touched, and each copy leaves a line saying who ran, with what, and whether
// its console could be seen, and where it was started from. Its settings are
// in the registry (HKCU\Software\Lumaric E2E\Standins): the program gives
// the script an environment of its own, without the tests' variables.
#include <windows.h>

#include <cwchar>
#include <cwctype>
#include <string>

#include "platform/handles.h"

namespace {

constexpr const wchar_t* kSettingsKey = L"Software\\Lumaric E2E\\Standins";

// A text value of the settings key; false when there is none.
bool readSetting(const wchar_t* name, std::wstring& value) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return false;
  wchar_t text[1024] = {};
  DWORD type = 0;
  DWORD size = sizeof text - sizeof(wchar_t);
  const LONG result = RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &size);
  RegCloseKey(key);
  if (result != ERROR_SUCCESS || type != REG_SZ) return false;
  value = text;
  return true;
}

// Where the program that cmd started lies: the system's tool, or a copy
// placed where cmd looks first.
std::wstring programPath() {
  wchar_t path[MAX_PATH];
  DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  return std::wstring(path, length);
}

// The name cmd actually started, lower-cased so "Nbtstat" and "nbtstat" agree.
std::wstring programName() {
  std::wstring name = programPath();
  name.erase(0, name.find_last_of(L"\\/") + 1);
  if (name.size() > 4 && _wcsicmp(name.c_str() + name.size() - 4, L".exe") == 0) name.resize(name.size() - 4);
  for (wchar_t& c : name) c = static_cast<wchar_t>(std::towlower(c));
  return name;
}

std::wstring arguments(int argc, wchar_t** argv) {
  std::wstring joined;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) joined += L' ';
    joined += argv[i];
  }
  return joined;
}

// The repair starts its script in a new console with SW_HIDE; "none" means the
// console has no window at all.
const wchar_t* consoleState() {
  HWND console = GetConsoleWindow();
  if (console == nullptr) return L"none";
  return IsWindowVisible(console) ? L"visible" : L"hidden";
}

std::wstring timestamp() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  wchar_t text[32];
  swprintf(text, 32, L"%04u-%02u-%02uT%02u:%02u:%02u.%03u", now.wYear, now.wMonth, now.wDay, now.wHour,
           now.wMinute, now.wSecond, now.wMilliseconds);
  return text;
}

std::string utf8(const std::wstring& text) {
  int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
  return bytes;
}

int fail(const std::wstring& message) {
  fwprintf(stderr, L"%ls: %ls\n", programName().c_str(), message.c_str());
  return 2;
}

bool parseDelay(const std::wstring& text, DWORD& milliseconds) {
  if (text.empty() || text.size() > 7) return false;
  milliseconds = 0;
  for (wchar_t c : text) {
    if (c < L'0' || c > L'9') return false;
    milliseconds = milliseconds * 10 + static_cast<DWORD>(c - L'0');
  }
  return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::wstring logPath;
  if (!readSetting(L"Log", logPath) || logPath.empty())
    return fail(std::wstring(L"HKCU\\") + kSettingsKey + L" \"Log\" must name the record file");

  std::wstring delayText;
  if (readSetting(L"DelayMs", delayText)) {
    DWORD delay = 0;
    if (!parseDelay(delayText, delay))
      return fail(L"\"DelayMs\" must be a whole number of milliseconds below 10000000, not \"" + delayText + L"\"");
    Sleep(delay);
  }

  const std::string line = utf8(L"name=" + programName() + L"\targs=" + arguments(argc, argv) + L"\tconsole=" +
                                consoleState() + L"\ttime=" + timestamp() + L"\tpath=" + programPath() + L"\n");
  const auto log = platform::AdoptFileHandle(CreateFileW(logPath.c_str(), FILE_APPEND_DATA,
                                                         FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                                         FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!log) return fail(L"cannot open " + logPath + L" (error " + std::to_wstring(GetLastError()) + L")");
  DWORD written = 0;
  if (!WriteFile(log.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr) || written != line.size())
    return fail(L"cannot write " + logPath + L" (error " + std::to_wstring(GetLastError()) + L")");
  return 0;
}
