#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <string>

#include "commands.h"
#include "handles.h"
#include "output.h"
#include "own_edit.h"
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

// Kilobytes of this process's own memory: Wine reports as its page file
// usage the anonymous pages Linux counts for it, resident or swapped out,
// which is what the soak reads for the program. (Z:\proc\self would be
// the server's: Wine opens files there.)
unsigned long privateKb() {
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof(counters);
  if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters)))
    throw Failure(L"cannot read this process's memory counters");
  return static_cast<unsigned long>(counters.PagefileUsage / 1024);
}

// The whole of FILE, read as UTF-16 text.
std::wstring utf16File(const std::wstring& path) {
  const OwnedHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
  LARGE_INTEGER size = {};
  if (!file || !GetFileSizeEx(file.get(), &size) || size.QuadPart % 2 != 0 || size.QuadPart > 0x10000000)
    throw Failure(L"cannot read " + path + L" as UTF-16 text");
  std::wstring text(static_cast<size_t>(size.QuadPart / 2), L'\0');
  DWORD read = 0;
  if (!ReadFile(file.get(), text.data(), static_cast<DWORD>(size.QuadPart), &read, nullptr) || read != size.QuadPart)
    throw Failure(L"cannot read " + path);
  return text;
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

// Appends the text of FILE, a line at a time as the program's log does and
// painting after each, to an edit of the driver's own made like EDIT, and
// reports by how many KiB this process's memory grew while the text from
// character FROM on went in: what holding those lines costs the bare
// control. The text before FROM goes in first, as the program's did before
// the soak took its baseline. The text comes from a file, not from EDIT:
// fetching it by message would leave this process's heap a free block the
// size of the text, which the edit would then fill without growing.
void editMemory(const Arguments& args) {
  args.expectCount(3, 3);
  HWND like = args.window(0);
  requireWindow(like);
  const std::wstring text = utf16File(args.at(1));
  const size_t from = args.number(2);
  if (from > text.size())
    throw UsageError(L"FROM " + std::to_wstring(from) + L" lies beyond the text's " + std::to_wstring(text.size()) +
                     L" characters");
  const OwnEdit own(like);
  size_t at = 0;
  const auto appendUpTo = [&](size_t end) {
    while (at < end) {
      const size_t lineEnd = text.find(L"\r\n", at);
      const size_t next = lineEnd == std::wstring::npos ? end : std::min(end, lineEnd + 2);
      const std::wstring piece = text.substr(at, next - at);
      const LRESULT length = SendMessageW(own.get(), WM_GETTEXTLENGTH, 0, 0);
      SendMessageW(own.get(), EM_SETSEL, static_cast<WPARAM>(length), length);
      SendMessageW(own.get(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(piece.c_str()));
      handlePending();
      at = next;
    }
  };
  appendUpTo(from);
  Sleep(1000);
  const unsigned long before = privateKb();
  appendUpTo(text.size());
  Sleep(1000);
  const unsigned long after = privateKb();
  const LRESULT held = SendMessageW(own.get(), WM_GETTEXTLENGTH, 0, 0);
  if (static_cast<size_t>(held) != text.size())
    throw Failure(L"the driver's edit holds " + std::to_wstring(held) + L" characters instead of " +
                  std::to_wstring(text.size()));
  printLine(L"characters=" + std::to_wstring(text.size() - from));
  printLine(L"before_kb=" + std::to_wstring(before));
  printLine(L"after_kb=" + std::to_wstring(after));
  printLine(L"grown_kb=" + std::to_wstring(static_cast<long>(after) - static_cast<long>(before)));
}

}  // namespace driver
