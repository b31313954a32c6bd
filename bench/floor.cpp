// The floor Lumaric.exe is measured against: the least a program with the
// same outward work can be. A bare window of Lumaric's client size, one
// status bar with Lumaric's two panels, and a 500 ms timer that puts the
// time into the second panel, as Lumaric's clock does. Nothing else.
#include <windows.h>
#include <commctrl.h>

#include <cwchar>

namespace {

constexpr int kClientWidth = 347;
constexpr int kClientHeight = 250;
constexpr UINT_PTR kClockTimer = 1;
constexpr UINT kClockMs = 500;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

HWND statusBar = nullptr;

void showTime() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  wchar_t text[32];
  swprintf(text, 32, L"%u/%u/%u %u:%02u:%02u", now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond);
  SendMessageW(statusBar, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(text));
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: {
      statusBar = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, window, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
      int edges[] = {200, -1};
      SendMessageW(statusBar, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(edges));
      SetTimer(window, kClockTimer, kClockMs, nullptr);
      return 0;
    }
    case WM_SIZE:
      SendMessageW(statusBar, WM_SIZE, 0, 0);
      return 0;
    case WM_TIMER:
      showTime();
      return 0;
    case WM_DESTROY:
      KillTimer(window, kClockTimer);
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);

  WNDCLASSEXW windowClass = {};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"LumaricFloor";
  RegisterClassExW(&windowClass);

  RECT outer = {0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&outer, kStyle, FALSE, 0);
  HWND window = CreateWindowExW(0, L"LumaricFloor", L"Floor", kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                                outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr, instance, nullptr);
  ShowWindow(window, show);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
