// The bare floor Lumaric.exe is measured against: Lumaric's main window
// written directly in Win32, with no toolkit and no style. The same caption,
// client size, controls at the same places in the same font, OLE, a
// single-instance mutex, the notification icon and the 500 ms clock in the
// status bar's second panel. Nothing else: no handler does anything.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>
#include <shellapi.h>

#include <initializer_list>

#include "platform/dpi.h"
#include "platform/system_metrics.h"
#include "resource_ids.h"

namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr UINT_PTR kClockTimer = 1;
constexpr UINT kClockMs = 500;

int dpi = platform::kDesignDpi;
HFONT font = nullptr;
HWND statusBar = nullptr;

// A control laid out at 96 pixels per inch, in the window font. Siblings
// clip each other: the label runs under the drop-down list.
HWND control(HWND parent, const wchar_t* kind, const wchar_t* text, DWORD style, int left, int top, int width,
             int height) {
  HWND made = CreateWindowExW(0, kind, text, WS_CHILD | WS_CLIPSIBLINGS | style, platform::ScaleForDpi(left, dpi),
                              platform::ScaleForDpi(top, dpi), platform::ScaleForDpi(width, dpi),
                              platform::ScaleForDpi(height, dpi), parent, nullptr, nullptr, nullptr);
  SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return made;
}

HWND groupFrame(HWND tabs, bool visible) {
  RECT page = {0, 0, platform::ScaleForDpi(347, dpi), platform::ScaleForDpi(192, dpi)};
  TabCtrl_AdjustRect(tabs, FALSE, &page);
  return CreateWindowExW(0, WC_BUTTONW, L"", WS_CHILD | BS_GROUPBOX | (visible ? WS_VISIBLE : 0), page.left,
                         page.top, platform::ScaleForDpi(339, dpi), platform::ScaleForDpi(164, dpi), tabs, nullptr,
                         nullptr, nullptr);
}

void buildLayout(HWND window) {
  HWND tabs = control(window, WC_TABCONTROLW, L"", WS_VISIBLE, 0, 0, 347, 192);
  TCITEMW tab = {};
  tab.mask = TCIF_TEXT;
  tab.pszText = const_cast<wchar_t*>(L"软件设置");
  TabCtrl_InsertItem(tabs, 0, &tab);
  tab.pszText = const_cast<wchar_t*>(L"关于我们");
  TabCtrl_InsertItem(tabs, 1, &tab);

  HWND settings = groupFrame(tabs, true);
  HWND combo = control(settings, WC_COMBOBOXW, L"", WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWN, 48, 13, 48, 20);
  for (const wchar_t* item : {L"1", L"2", L"3", L"4", L"5", L"6", L"7", L"8", L"9", L"10", L"15", L"20", L"30"})
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  SendMessageW(combo, CB_SETMINVISIBLE, 8, 0);
  SendMessageW(combo, CB_SETCURSEL, 4, 0);
  control(settings, WC_BUTTONW, L"开启", WS_VISIBLE, 16, 136, 70, 25);
  control(settings, WC_BUTTONW, L"现在修复", WS_VISIBLE, 176, 136, 70, 25);
  control(settings, WC_EDITW, L"", WS_VISIBLE | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL, 16, 38, 313,
          95);
  control(settings, WC_BUTTONW, L"停止", WS_VISIBLE, 96, 136, 70, 25);
  control(settings, WC_STATICW, L"每过          分钟进行网络连接修复", WS_VISIBLE, 16, 16, 204, 12);

  HWND about = groupFrame(tabs, false);
  control(about, WC_EDITW, L"1.01.20180114", WS_BORDER | ES_AUTOHSCROLL, 101, 32, 121, 20);
  control(about, WC_STATICW, L"www.lumaric.cn", WS_VISIBLE, 112, 74, 84, 12);

  control(window, WC_BUTTONW, L"最小化", WS_VISIBLE, 258, 198, 75, 25);
  control(window, WC_BUTTONW, L"检测更新", WS_VISIBLE, 174, 198, 75, 25);

  statusBar = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, window, nullptr, nullptr,
                              nullptr);
  const LOGFONTW statusFont = platform::StatusFont(dpi);
  SendMessageW(statusBar, WM_SETFONT, reinterpret_cast<WPARAM>(CreateFontIndirectW(&statusFont)), FALSE);
  int edges[] = {platform::ScaleForDpi(200, dpi), -1};
  SendMessageW(statusBar, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(edges));
}

NOTIFYICONDATAW iconRecord(HWND window) {
  NOTIFYICONDATAW record = {};
  record.cbSize = sizeof(record);
  record.hWnd = window;
  record.uID = 1;
  return record;
}

void showTime() {
  wchar_t date[64] = {}, time[64] = {};
  GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, 64);
  GetTimeFormatW(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, time, 64);
  wchar_t text[130];
  wsprintfW(text, L"%s %s", date, time);
  SendMessageW(statusBar, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(text));
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: {
      buildLayout(window);
      SetTimer(window, kClockTimer, kClockMs, nullptr);
      NOTIFYICONDATAW record = iconRecord(window);
      record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
      record.uCallbackMessage = WM_APP;
      record.hIcon = reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICONSM));
      lstrcpyW(record.szTip, L"Lumaric");
      Shell_NotifyIconW(NIM_ADD, &record);
      return 0;
    }
    case WM_SIZE:
      SendMessageW(statusBar, WM_SIZE, 0, 0);
      return 0;
    case WM_TIMER:
      showTime();
      return 0;
    case WM_DESTROY: {
      NOTIFYICONDATAW record = iconRecord(window);
      Shell_NotifyIconW(NIM_DELETE, &record);
      KillTimer(window, kClockTimer);
      PostQuitMessage(0);
      return 0;
    }
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  // Held until the process ends, when the system frees it.
  CreateMutexW(nullptr, TRUE, L"LumaricBareFloor");
  if (GetLastError() == ERROR_ALREADY_EXISTS) return 0;
  OleInitialize(nullptr);
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  // The window opens on the primary monitor, whose origin is 0, 0.
  dpi = platform::DpiForPoint({0, 0});
  font = CreateFontW(-platform::ScaleForDpi(12, dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"宋体");
  const auto icon = [&](int metric) {
    const int size = platform::ScaleForDpi(GetSystemMetrics(metric), dpi);
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_MAINICON), IMAGE_ICON, size, size, 0));
  };

  WNDCLASSEXW windowClass = {};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = icon(SM_CXICON);
  windowClass.hIconSm = icon(SM_CXSMICON);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"LumaricBare";
  RegisterClassExW(&windowClass);

  RECT outer = {0, 0, platform::ScaleForDpi(347, dpi), platform::ScaleForDpi(250, dpi)};
  AdjustWindowRectEx(&outer, kStyle, FALSE, 0);
  HWND window = CreateWindowExW(0, L"LumaricBare", L"Lumaric1.01.20180114", kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                                outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr, instance,
                                nullptr);
  ShowWindow(window, show);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  OleUninitialize();
  return 0;
}
