// A DLL planted beside a program under the names comctl32.dll and
// uxtheme.dll, as a program of the user's could put it there: it records
// every process that loads it in C:\lumaric-e2e\planted.log, one line of
// "dll=PATH<tab>exe=PATH". Its exports are the names a program importing
// those DLLs needs, and do nothing.
#include <windows.h>

#include <string>

namespace {

std::string utf8(const wchar_t* text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(size > 0 ? size - 1 : 0), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), size, nullptr, nullptr);
  return bytes;
}

void record(HMODULE self) {
  wchar_t dll[MAX_PATH] = {};
  wchar_t exe[MAX_PATH] = {};
  GetModuleFileNameW(self, dll, MAX_PATH);
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  const std::string line = "dll=" + utf8(dll) + "\texe=" + utf8(exe) + "\n";
  HANDLE log = CreateFileW(L"C:\\lumaric-e2e\\planted.log", FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (log == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(log, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(log);
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) record(self);
  return TRUE;
}

extern "C" {
__declspec(dllexport) BOOL WINAPI InitCommonControlsEx(const void*) { return FALSE; }
__declspec(dllexport) BOOL WINAPI SetWindowSubclass(HWND, void*, UINT_PTR, DWORD_PTR) { return FALSE; }
__declspec(dllexport) BOOL WINAPI RemoveWindowSubclass(HWND, void*, UINT_PTR) { return FALSE; }
__declspec(dllexport) LRESULT WINAPI DefSubclassProc(HWND, UINT, WPARAM, LPARAM) { return 0; }
__declspec(dllexport) HRESULT WINAPI SetWindowTheme(HWND, LPCWSTR, LPCWSTR) { return E_FAIL; }
}
