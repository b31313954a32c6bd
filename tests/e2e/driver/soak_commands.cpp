#include <windows.h>

#include <string>

#include "commands.h"
#include "output.h"
#include "window_query.h"

namespace driver {

namespace {

// How long a window may stay busy before a soak step counts as hung.
constexpr DWORD kStepMs = 60000;

// The text length once the window answers, waiting while it is busy.
bool answeredLength(HWND window, LRESULT& length) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_BLOCK | SMTO_ABORTIFHUNG, 200, &result)) return false;
  length = static_cast<LRESULT>(result);
  return true;
}

void awaitVisible(HWND window, bool visible, const std::wstring& step) {
  if (!waitUntil(kStepMs, [&] { return (IsWindowVisible(window) != FALSE) == visible; }))
    throw Failure(step + L": the window is still " + (visible ? L"hidden" : L"shown") + L" after " +
                  std::to_wstring(kStepMs) + L" ms");
}

}  // namespace

// Clicks BUTTON COUNT times, each time waiting until the program answers
// again and the text of MEMO has grown by at least GROW characters, which
// is what one whole repair adds.
void repairs(const Arguments& args) {
  args.expectCount(4, 4);
  HWND button = args.window(0);
  HWND memo = args.window(1);
  requireWindow(button);
  requireWindow(memo);
  const unsigned long count = args.number(2);
  const LRESULT grow = static_cast<LRESULT>(args.number(3));
  const DWORD stepMs = args.has(L"--timeout") ? args.timeoutMs() : kStepMs;
  LRESULT length = 0;
  if (!waitUntil(stepMs, [&] { return answeredLength(memo, length); }))
    throw Failure(L"the log does not answer");
  for (unsigned long i = 1; i <= count; ++i) {
    const LRESULT before = length;
    if (!PostMessageW(button, BM_CLICK, 0, 0)) throw Failure(L"cannot post BM_CLICK to " + args.at(0));
    if (!waitUntil(stepMs, [&] { return answeredLength(memo, length) && length >= before + grow; }))
      throw Failure(L"repair " + std::to_wstring(i) + L" of " + std::to_wstring(count) + L" did not add its lines within " +
                    std::to_wstring(stepMs) + L" ms (length " + std::to_wstring(length) + L")");
  }
  printLine(L"repairs=" + std::to_wstring(count));
  printLine(L"length=" + std::to_wstring(length));
}

// Hides and shows MAIN COUNT times, waiting for each change: every other
// time by a click of --button and a left double-click on the notification
// icon (the --callback message sent to --tray), and in between by the menu
// items --hide-item and --show-item chosen in the menu owner --menu.
void hideShow(const Arguments& args) {
  args.expectCount(2, 2);
  HWND main = args.window(0);
  requireWindow(main);
  const unsigned long count = args.number(1);
  const auto windowOption = [&](const wchar_t* name) {
    HWND window = reinterpret_cast<HWND>(static_cast<UINT_PTR>(parseNumber(args.option(name), name)));
    requireWindow(window);
    return window;
  };
  HWND button = windowOption(L"--button");
  HWND tray = windowOption(L"--tray");
  HWND menu = windowOption(L"--menu");
  const UINT callback = static_cast<UINT>(parseNumber(args.option(L"--callback"), L"--callback"));
  const WPARAM hideItem = parseNumber(args.option(L"--hide-item"), L"--hide-item");
  const WPARAM showItem = parseNumber(args.option(L"--show-item"), L"--show-item");
  for (unsigned long i = 0; i < count; ++i) {
    const std::wstring step = L"cycle " + std::to_wstring(i + 1);
    if (i % 2 == 0) {
      sendWithin(button, BM_CLICK, 0, 0, L"BM_CLICK");
      awaitVisible(main, false, step);
      sendWithin(tray, callback, HandleToULong(tray), WM_LBUTTONDBLCLK, L"the icon's double-click");
    } else {
      sendWithin(menu, WM_COMMAND, hideItem, 0, L"the hide item");
      awaitVisible(main, false, step);
      sendWithin(menu, WM_COMMAND, showItem, 0, L"the show item");
    }
    awaitVisible(main, true, step);
  }
  printLine(L"cycles=" + std::to_wstring(count));
}

// Broadcasts "TaskbarCreated" COUNT times, each time waiting until WINDOW's
// thread has handled it.
void taskbarCreated(const Arguments& args) {
  args.expectCount(2, 2);
  const unsigned long count = args.number(0);
  HWND window = args.window(1);
  requireWindow(window);
  const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
  for (unsigned long i = 1; i <= count; ++i) {
    if (message == 0 || !SendNotifyMessageW(HWND_BROADCAST, message, 0, 0))
      throw Failure(L"cannot broadcast TaskbarCreated");
    sendWithin(window, WM_NULL, 0, 0, L"WM_NULL after TaskbarCreated");
  }
  printLine(L"broadcasts=" + std::to_wstring(count));
}

}  // namespace driver
