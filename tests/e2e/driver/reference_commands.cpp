#include <windows.h>

#include <string>
#include <vector>

#include "commands.h"
#include "output.h"
#include "window_query.h"

namespace driver {

namespace {

std::wstring rectangleText(const RECT& rect) {
  return std::to_wstring(rect.left) + L"\t" + std::to_wstring(rect.top) + L"\t" +
         std::to_wstring(rect.right - rect.left) + L"\t" + std::to_wstring(rect.bottom - rect.top);
}

struct ReferenceMenu {
  HMENU menu = nullptr;
  bool reported = false;
};

ReferenceMenu* referenceMenu = nullptr;

// Reports the menu once it is on the screen and closes it when its time is up.
LRESULT CALLBACK menuOwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ENTERIDLE && wParam == MSGF_MENU && referenceMenu != nullptr && !referenceMenu->reported) {
    referenceMenu->reported = true;
    RECT rect;
    GetWindowRect(reinterpret_cast<HWND>(lParam), &rect);
    printLine(L"window=" + hex(HandleToULong(reinterpret_cast<HWND>(lParam))) + L"\t" + rectangleText(rect));
    const int count = GetMenuItemCount(referenceMenu->menu);
    for (int index = 0; index < count; ++index) {
      GetMenuItemRect(nullptr, referenceMenu->menu, static_cast<UINT>(index), &rect);
      printLine(L"item=" + std::to_wstring(index) + L"\t" + rectangleText(rect));
    }
    return 0;
  }
  if (message == WM_TIMER) {
    EndMenu();
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

struct StandardCursor {
  const wchar_t* name;
  LPCWSTR resource;
};

const StandardCursor kStandardCursors[] = {
    {L"arrow", IDC_ARROW}, {L"help", IDC_HELP}, {L"hand", IDC_HAND}, {L"ibeam", IDC_IBEAM}, {L"wait", IDC_WAIT},
};

LPCWSTR standardCursor(const std::wstring& name) {
  for (const StandardCursor& cursor : kStandardCursors)
    if (name == cursor.name) return cursor.resource;
  throw UsageError(L"no standard cursor named " + name);
}

}  // namespace

// Pops up, at the cursor, a menu of ITEMs ("-" for a separator) as a program
// pops up its notification-area menu (TPM_LEFTALIGN | TPM_RIGHTBUTTON), for a
// picture to compare with; prints the menu window and each item's rectangle
// on the screen once shown, and closes it after MS milliseconds.
void popupMenu(const Arguments& args) {
  if (args.count() < 2) throw UsageError(L"expected MS and at least one item");
  const wchar_t* className = L"LumaricDriverMenuOwner";
  WNDCLASSW kind = {};
  kind.lpfnWndProc = menuOwnerProc;
  kind.hInstance = GetModuleHandleW(nullptr);
  kind.lpszClassName = className;
  RegisterClassW(&kind);
  HWND owner = CreateWindowExW(WS_EX_TOOLWINDOW, className, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                               kind.hInstance, nullptr);
  if (owner == nullptr) throw Failure(L"cannot create the menu's owner window");
  ReferenceMenu reference;
  reference.menu = CreatePopupMenu();
  for (size_t index = 1; index < args.count(); ++index) {
    const std::wstring& item = args.at(index);
    if (item == L"-")
      AppendMenuW(reference.menu, MF_SEPARATOR, 0, nullptr);
    else
      AppendMenuW(reference.menu, MF_STRING, 100 + index, item.c_str());
  }
  referenceMenu = &reference;
  POINT cursor;
  GetCursorPos(&cursor);
  SetForegroundWindow(owner);
  SetTimer(owner, 1, args.number(0), nullptr);
  TrackPopupMenu(reference.menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, owner, nullptr);
  referenceMenu = nullptr;
  DestroyMenu(reference.menu);
  DestroyWindow(owner);
  if (!reference.reported) throw Failure(L"the menu did not come up");
}

// A window whose pointer is the standard cursor NAME, at LEFT TOP WIDTH
// HEIGHT on the screen, for MS milliseconds: what the screen shows over it
// is that cursor as this system draws it.
void cursorWindow(const Arguments& args) {
  args.expectCount(6, 6);
  const wchar_t* className = L"LumaricDriverCursorWindow";
  WNDCLASSW kind = {};
  kind.lpfnWndProc = DefWindowProcW;
  kind.hInstance = GetModuleHandleW(nullptr);
  kind.hCursor = LoadCursorW(nullptr, standardCursor(args.at(0)));
  kind.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  kind.lpszClassName = className;
  RegisterClassW(&kind);
  HWND window = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, className, L"", WS_POPUP | WS_VISIBLE,
                                static_cast<int>(args.number(1)), static_cast<int>(args.number(2)),
                                static_cast<int>(args.number(3)), static_cast<int>(args.number(4)), nullptr,
                                nullptr, kind.hInstance, nullptr);
  if (window == nullptr) throw Failure(L"cannot create the cursor window");
  printLine(L"shown");
  const DWORD start = GetTickCount();
  for (DWORD passed = 0; passed < args.number(5); passed = GetTickCount() - start) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, args.number(5) - passed, QS_ALLINPUT);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }
  DestroyWindow(window);
}

}  // namespace driver
