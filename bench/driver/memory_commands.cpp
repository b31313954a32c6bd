#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <string>

#include "bench_commands.h"
#include "output.h"
#include "own_edit.h"
#include "platform/handles.h"
#include "window_query.h"

namespace driver {

namespace {

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
  const auto file = platform::AdoptFileHandle(
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
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

// Writes the text of HWND to FILE in UTF-16, for edit-memory to read.
void saveText(const Arguments& args) {
  args.expectCount(2, 2);
  HWND window = args.window(0);
  requireWindow(window);
  const std::wstring text = windowText(window);
  const std::wstring& path = args.at(1);
  const auto file = platform::AdoptFileHandle(
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  const DWORD size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  if (!file || !WriteFile(file.get(), text.data(), size, &written, nullptr) || written != size)
    throw Failure(L"cannot write the text to " + path + L" (error " + std::to_wstring(GetLastError()) + L")");
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
