#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "child_process.h"
#include "commands.h"
#include "handles.h"
#include "output.h"
#include "window_query.h"

namespace driver {

namespace {

constexpr size_t kTipUnits = 1024;

std::wstring rectangleText(const RECT& rect) {
  return std::to_wstring(rect.left) + L"\t" + std::to_wstring(rect.top) + L"\t" +
         std::to_wstring(rect.right - rect.left) + L"\t" + std::to_wstring(rect.bottom - rect.top);
}

// A tool's rectangle on the screen: its window's, or the rectangle it gives
// in that window's client coordinates.
RECT toolOnScreen(const TTTOOLINFOW& tool) {
  RECT rect = tool.rect;
  if (tool.uFlags & TTF_IDISHWND)
    GetWindowRect(reinterpret_cast<HWND>(tool.uId), &rect);
  else
    MapWindowPoints(tool.hwnd, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void printTools(HWND tooltip) {
  const LRESULT count = sendWithin(tooltip, TTM_GETTOOLCOUNT, 0, 0, L"TTM_GETTOOLCOUNT");
  const bool balloon = (GetWindowLongW(tooltip, GWL_STYLE) & TTS_BALLOON) != 0;
  RemoteBuffer buffer(tooltip, sizeof(TTTOOLINFOW) + (kTipUnits + 1) * sizeof(wchar_t));
  const LPARAM textAddress = buffer.address(sizeof(TTTOOLINFOW));
  for (LRESULT index = 0; index < count; ++index) {
    TTTOOLINFOW tool = {};
    tool.cbSize = sizeof(tool);
    tool.lpszText = reinterpret_cast<LPWSTR>(textAddress);
    buffer.write(&tool, sizeof(tool));
    const wchar_t empty = L'\0';
    buffer.write(&empty, sizeof(empty), sizeof(TTTOOLINFOW));
    if (!sendWithin(tooltip, TTM_ENUMTOOLSW, static_cast<WPARAM>(index), buffer.address(), L"TTM_ENUMTOOLSW"))
      continue;
    buffer.read(&tool, sizeof(tool));
    // A callback or resource text is not the tool's own.
    std::wstring text;
    if (tool.lpszText == reinterpret_cast<LPWSTR>(textAddress)) {
      std::vector<wchar_t> units(kTipUnits + 1, L'\0');
      buffer.read(units.data(), kTipUnits * sizeof(wchar_t), sizeof(TTTOOLINFOW));
      text = units.data();
    }
    printLine(hex(HandleToULong(tooltip)) + L"\t" + (IsWindowVisible(tooltip) ? L"1" : L"0") + L"\t" +
              (balloon ? L"1" : L"0") + L"\t" + rectangleText(toolOnScreen(tool)) + L"\t" + escape(text));
  }
}

void pumpMessagesFor(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  for (DWORD passed = 0; passed < milliseconds; passed = GetTickCount() - start) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - passed, QS_ALLINPUT);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }
}

NOTIFYICONDATAW iconRecord(HWND owner, UINT id) {
  NOTIFYICONDATAW record = {};
  record.cbSize = sizeof(record);
  record.hWnd = owner;
  record.uID = id;
  return record;
}

}  // namespace

// Wine's notification area keeps each icon's tip in a tooltip control of its
// own. One line per tool of every top-level tooltip control (of process
// --pid): tooltip hwnd, visible, balloon, the tool's left top width height on
// the screen, text.
void tooltips(const Arguments& args) {
  args.expectCount(0, 0);
  WindowFilter filter;
  filter.className = TOOLTIPS_CLASSW;
  filter.processId = args.has(L"--pid") ? parseNumber(args.option(L"--pid"), L"--pid") : 0;
  for (HWND tooltip : matchingTopLevelWindows(filter)) printTools(tooltip);
}

// Icons of another program already in the notification area, so that the
// icon under test is not in the corner of the screen, where the system
// moves menus and balloons to fit.
void holdTrayIcons(const Arguments& args) {
  args.expectCount(2, 2);
  const UINT count = static_cast<UINT>(args.number(0));
  HWND owner = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  if (owner == nullptr) throw Failure(L"cannot create the icons' window");
  for (UINT id = 1; id <= count; ++id) {
    NOTIFYICONDATAW record = iconRecord(owner, id);
    record.uFlags = NIF_ICON | NIF_TIP;
    record.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    swprintf(record.szTip, 128, L"placeholder %u", id);
    if (!Shell_NotifyIconW(NIM_ADD, &record)) throw Failure(L"the shell refused placeholder icon " + std::to_wstring(id));
  }
  printLine(L"held");
  pumpMessagesFor(args.number(1));
  for (UINT id = 1; id <= count; ++id) {
    NOTIFYICONDATAW record = iconRecord(owner, id);
    Shell_NotifyIconW(NIM_DELETE, &record);
  }
  DestroyWindow(owner);
}

// Takes the icons of process PID out of the notification area, as a shell
// that restarts loses them; an icon is known by its window and its id, which
// is that window's handle. Prints the windows whose icon was taken.
void forgetTrayIcons(const Arguments& args) {
  args.expectCount(1, 1);
  WindowFilter filter;
  filter.processId = args.number(0);
  if (filter.processId == 0) throw UsageError(L"name the process by its id");
  bool forgotten = false;
  for (HWND window : matchingTopLevelWindows(filter)) {
    NOTIFYICONDATAW record = iconRecord(window, HandleToULong(window));
    if (Shell_NotifyIconW(NIM_DELETE, &record)) {
      printLine(hex(HandleToULong(window)));
      forgotten = true;
    }
  }
  if (!forgotten) throw Failure(L"the notification area has no icon of process " + args.at(0));
}

// Runs EXE as a shortcut set to "run minimised" starts it: with
// SW_SHOWMINNOACTIVE in its start-up information (Wine's "start /min" gives
// SW_SHOWMINIMIZED), from folder DIR; waits for it and ends with its exit code.
void runMinimised(const Arguments& args) {
  args.expectCount(2, 2);
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWMINNOACTIVE;
  exitWithExitCodeOf(startProgram(args.at(0), args.at(1), startup, 0).hProcess);
}

}  // namespace driver

