#include "window_query.h"

#include "output.h"

namespace driver {

std::wstring className(HWND window) {
  wchar_t name[256];
  int length = GetClassNameW(window, name, 256);
  return std::wstring(name, static_cast<size_t>(length > 0 ? length : 0));
}

LRESULT sendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam, const wchar_t* what) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_BLOCK | SMTO_ABORTIFHUNG, kAnswerMs, &result))
    throw Failure(L"window " + hex(HandleToULong(window)) + L" did not answer " + what + L" within " +
                  std::to_wstring(kAnswerMs) + L" ms");
  return static_cast<LRESULT>(result);
}

std::wstring windowText(HWND window) {
  LRESULT length = sendWithin(window, WM_GETTEXTLENGTH, 0, 0, L"WM_GETTEXTLENGTH");
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  LRESULT copied = sendWithin(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), L"WM_GETTEXT");
  text.resize(static_cast<size_t>(copied));
  return text;
}

namespace {

BOOL CALLBACK collectWindow(HWND window, LPARAM found) {
  reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
  return TRUE;
}

}  // namespace

std::vector<HWND> topLevelWindows() {
  std::vector<HWND> windows;
  EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::vector<HWND> childWindows(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
    children.push_back(child);
  return children;
}

HWND descendantWithId(HWND ancestor, int id) {
  for (HWND child : childWindows(ancestor)) {
    if (GetDlgCtrlID(child) == id) return child;
    if (HWND deeper = descendantWithId(child, id)) return deeper;
  }
  return nullptr;
}

RECT rectangleIn(HWND top, HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  MapWindowPoints(HWND_DESKTOP, top, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

DWORD processOf(HWND window) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  return processId;
}

void requireWindow(HWND window) {
  if (!IsWindow(window)) throw Failure(L"no window " + hex(HandleToULong(window)));
}

bool WindowFilter::matches(HWND window) const {
  if (!className.empty() && driver::className(window) != className) return false;
  if (hasTitle) {
    wchar_t text[512];
    int length = InternalGetWindowText(window, text, 512);
    if (std::wstring(text, static_cast<size_t>(length)) != title) return false;
  }
  if (processId != 0 && processOf(window) != processId) return false;
  return !visibleOnly || IsWindowVisible(window);
}

std::vector<HWND> matchingTopLevelWindows(const WindowFilter& filter) {
  std::vector<HWND> matching;
  for (HWND window : topLevelWindows())
    if (filter.matches(window)) matching.push_back(window);
  return matching;
}

bool waitUntil(DWORD timeoutMs, const std::function<bool()>& probe) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    if (probe()) return true;
    if (GetTickCount64() >= deadline) return false;
    Sleep(50);
  }
}

}  // namespace driver
