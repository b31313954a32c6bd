#include <windows.h>
#include <tlhelp32.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "bench_commands.h"
#include "handles.h"
#include "own_edit.h"
#include "output.h"
#include "platform/system_function.h"
#include "window_query.h"

namespace driver {

namespace {

class Stopwatch {
 public:
  Stopwatch() {
    QueryPerformanceFrequency(&frequency_);
    QueryPerformanceCounter(&start_);
  }
  double elapsedUs() const {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart - start_.QuadPart) * 1e6 / static_cast<double>(frequency_.QuadPart);
  }

 private:
  LARGE_INTEGER frequency_;
  LARGE_INTEGER start_;
};

std::wstring decimal(double value, int digits) {
  wchar_t text[64];
  swprintf(text, 64, L"%.*f", digits, value);
  return text;
}

double median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Like waitUntil, with a poll every `intervalMs`, for timings finer than 50 ms.
template <class Probe>
bool pollEvery(DWORD timeoutMs, DWORD intervalMs, Probe probe) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    if (probe()) return true;
    if (GetTickCount64() >= deadline) return false;
    Sleep(intervalMs);
  }
}

// The window and every visible descendant have no update region left: all
// of it has been painted at least once.
bool painted(HWND window) {
  if (!IsWindowVisible(window) || GetUpdateRect(window, nullptr, FALSE)) return false;
  for (HWND child : childWindows(window))
    if (IsWindowVisible(child) && !painted(child)) return false;
  return true;
}

HWND shownWindowOf(const std::wstring& windowClass, DWORD processId) {
  for (HWND window = FindWindowExW(nullptr, nullptr, windowClass.c_str(), nullptr); window != nullptr;
       window = FindWindowExW(nullptr, window, windowClass.c_str(), nullptr))
    if (processOf(window) == processId && IsWindowVisible(window)) return window;
  return nullptr;
}

// 100 ns units since 1601, as process creation times are given.
ULONGLONG systemTimeNow() {
  using PreciseFn = VOID WINAPI(LPFILETIME);
  static auto* const precise = platform::SystemFunction<PreciseFn>(L"kernel32.dll", "GetSystemTimePreciseAsFileTime");
  FILETIME now;
  if (precise != nullptr)
    precise(&now);
  else
    GetSystemTimeAsFileTime(&now);
  return (static_cast<ULONGLONG>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
}

struct ChildProcess {
  DWORD id;
  std::wstring name;
};

std::vector<ChildProcess> childrenOf(DWORD parentId) {
  std::vector<ChildProcess> children;
  const auto snapshot = platform::AdoptFileHandle(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) return children;
  PROCESSENTRY32W entry = {};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Process32FirstW(snapshot.get(), &entry); more; more = Process32NextW(snapshot.get(), &entry))
    if (entry.th32ParentProcessID == parentId) children.push_back({entry.th32ProcessID, entry.szExeFile});
  return children;
}

// The text the program's log append puts at the end: the line, then a line
// break, or a break first when the text does not end with one.
std::wstring appendPiece(bool emptyOrEndsWithBreak, const std::wstring& line) {
  return emptyOrEndsWithBreak ? line + L"\r\n" : L"\r\n" + line;
}

std::vector<size_t> positionsFrom(const std::wstring& list) {
  std::vector<size_t> positions;
  size_t start = 0;
  while (start <= list.size()) {
    const size_t comma = std::min(list.find(L',', start), list.size());
    positions.push_back(parseNumber(list.substr(start, comma - start), L"--at"));
    start = comma + 1;
  }
  return positions;
}

}  // namespace

// Starts EXE and reports the milliseconds from just before CreateProcessW
// until a window of CLASS of that process is shown and it and all its
// visible descendants have been painted.
void firstPaint(const Arguments& args) {
  args.expectCount(2, 2);
  const std::wstring exe = args.at(0);
  std::wstring commandLine = L"\"" + exe + L"\"";
  const std::wstring folder = args.option(L"--dir");
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION started = {};
  const Stopwatch clock;
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup, &started))
    throw Failure(L"cannot start " + exe + L" (error " + std::to_wstring(GetLastError()) + L")");
  const platform::UniqueHandle process(started.hProcess);
  const platform::UniqueHandle thread(started.hThread);

  HWND window = nullptr;
  double paintedUs = 0;
  const bool found = pollEvery(args.timeoutMs(), 1, [&] {
    window = shownWindowOf(args.at(1), started.dwProcessId);
    if (window == nullptr || !painted(window)) return false;
    paintedUs = clock.elapsedUs();
    return true;
  });
  if (!found) throw Failure(L"no painted window of class " + args.at(1) + L" within " + std::to_wstring(args.timeoutMs()) + L" ms");
  printLine(L"ms=" + decimal(paintedUs / 1000, 2));
  printLine(L"pid=" + std::to_wstring(started.dwProcessId));
  printLine(L"window=" + hex(HandleToULong(window)));
  if (args.has(L"--close")) {
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.get(), args.timeoutMs()) != WAIT_OBJECT_0)
      throw Failure(L"process " + std::to_wstring(started.dwProcessId) + L" did not end after WM_CLOSE");
    DWORD code = 0;
    GetExitCodeProcess(process.get(), &code);
    printLine(L"exit=" + std::to_wstring(code));
  }
}

namespace {

// The lines a repair adds to the log, one after the other.
const wchar_t* const kLogLines[] = {L"请稍候正在修复网络连接.", L"网络连接修复成功.2026/12/9 18:21:33"};
// Per append: the whole cost, then each of its six messages.
constexpr size_t kAppendSteps = 7;
using AppendCosts = std::vector<double>[kAppendSteps];

// One append as the program's log makes it, each message timed; returns
// the number of characters it added. The system carries EM_REPLACESEL's
// text across processes itself.
size_t timedAppend(HWND edit, const std::wstring& line, AppendCosts& costs) {
  const Stopwatch clock;
  double mark = 0;
  const auto lap = [&](size_t step) {
    const double now = clock.elapsedUs();
    costs[step].push_back(now - mark);
    mark = now;
  };
  const LRESULT length = sendWithin(edit, WM_GETTEXTLENGTH, 0, 0, L"WM_GETTEXTLENGTH");
  lap(1);
  const LRESULT lineCount = sendWithin(edit, EM_GETLINECOUNT, 0, 0, L"EM_GETLINECOUNT");
  lap(2);
  const LRESULT lastLineStart = sendWithin(edit, EM_LINEINDEX, static_cast<WPARAM>(lineCount - 1), 0, L"EM_LINEINDEX");
  lap(3);
  const std::wstring piece = appendPiece(length == 0 || lastLineStart == length, line);
  const LRESULT end = sendWithin(edit, WM_GETTEXTLENGTH, 0, 0, L"WM_GETTEXTLENGTH");
  lap(4);
  sendWithin(edit, EM_SETSEL, static_cast<WPARAM>(end), end, L"EM_SETSEL");
  lap(5);
  sendWithin(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(piece.c_str()), L"EM_REPLACESEL");
  lap(6);
  costs[0].push_back(clock.elapsedUs());
  return piece.size();
}

// Gives the edit TEXT in pieces of at most 64 Ki characters, each put at
// the end: under Wine one WM_SETTEXT of two million characters from
// another process did not succeed within two minutes.
void setLongText(HWND edit, const std::wstring& text) {
  constexpr size_t kPiece = 65536;
  constexpr UINT kPieceMs = 120000;
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""), SMTO_BLOCK, kPieceMs, &result) || !result)
    throw Failure(L"the edit could not be emptied");
  for (size_t start = 0; start < text.size(); start += kPiece) {
    const std::wstring piece = text.substr(start, kPiece);
    const LRESULT end = sendWithin(edit, WM_GETTEXTLENGTH, 0, 0, L"WM_GETTEXTLENGTH");
    sendWithin(edit, EM_SETSEL, static_cast<WPARAM>(end), end, L"EM_SETSEL");
    if (!SendMessageTimeoutW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(piece.c_str()), SMTO_BLOCK, kPieceMs,
                             &result))
      throw Failure(L"the edit did not take the text's characters from " + std::to_wstring(start) + L" on");
  }
}

void printCosts(size_t position, const AppendCosts& costs, size_t first, size_t span) {
  const auto medianOf = [&](size_t step) {
    const auto from = costs[step].begin() + static_cast<std::ptrdiff_t>(first);
    return median(std::vector<double>(from, from + static_cast<std::ptrdiff_t>(span)));
  };
  printLine(L"append_" + std::to_wstring(position) + L"_us=" + decimal(medianOf(0), 1));
  std::wstring steps;
  for (size_t step = 1; step < kAppendSteps; ++step) steps += (step > 1 ? L" " : L"") + decimal(medianOf(step), 1);
  printLine(L"messages_" + std::to_wstring(position) + L"_us=" + steps);
}

void checkLength(HWND edit, size_t expected) {
  const LRESULT length = sendWithin(edit, WM_GETTEXTLENGTH, 0, 0, L"WM_GETTEXTLENGTH");
  if (static_cast<size_t>(length) != expected)
    throw Failure(L"the edit holds " + std::to_wstring(length) + L" characters instead of " + std::to_wstring(expected) +
                  L": it refused text");
}

}  // namespace

// Appends lines to a multi-line edit with the messages the program's log
// uses, each append timed on its own, and reports for each position P of
// --at the median cost, in microseconds, of the --span appends from the
// P-th line on, with each message's share and the cost of six bare round
// trips for comparison. With COUNT the edit is emptied and COUNT lines are
// appended one by one; with --preset the edit is given P-1 lines at once
// before each position's appends. With --own the appends go to an edit of
// the driver's own, made like EDIT, which paints after each append (timed
// with it): the bare control's cost without the trips to another process.
void appendCost(const Arguments& args) {
  args.expectCount(1, 2);
  HWND target = args.window(0);
  requireWindow(target);
  std::unique_ptr<OwnEdit> own;
  if (args.has(L"--own")) own = std::make_unique<OwnEdit>(target);
  HWND edit = own ? own->get() : target;
  const auto append = [&](const std::wstring& line, AppendCosts& costs) {
    const size_t added = timedAppend(edit, line, costs);
    if (own) {
      // The paint that follows is part of the append's cost, as it is in the program.
      const Stopwatch clock;
      handlePending();
      costs[0].back() += clock.elapsedUs();
    }
    return added;
  };
  const bool preset = args.has(L"--preset");
  if (preset == (args.count() == 2)) throw UsageError(L"give either COUNT or --preset");
  const size_t count = preset ? 0 : args.number(1);
  const std::vector<size_t> positions = positionsFrom(args.option(L"--at", L"1"));
  const size_t span = parseNumber(args.option(L"--span", L"9"), L"--span");
  if (span == 0) throw UsageError(L"--span must be at least 1");
  for (size_t position : positions)
    if (position == 0 || (!preset && position + span - 1 > count))
      throw UsageError(L"--at " + std::to_wstring(position) + L" lies outside the " + std::to_wstring(count) + L" appends");
  printLine(L"limit=" + std::to_wstring(static_cast<unsigned long>(sendWithin(edit, EM_GETLIMITTEXT, 0, 0, L"EM_GETLIMITTEXT"))));

  if (preset) {
    for (size_t position : positions) {
      std::wstring text;
      for (size_t i = 0; i + 1 < position; ++i) text += appendPiece(true, kLogLines[i % 2]);
      setLongText(edit, text);
      AppendCosts costs;
      size_t expected = text.size();
      for (size_t i = 0; i < span; ++i) expected += append(kLogLines[(position - 1 + i) % 2], costs);
      checkLength(edit, expected);
      printCosts(position, costs, 0, span);
    }
  } else {
    setLongText(edit, L"");
    AppendCosts costs;
    for (auto& step : costs) step.reserve(count);
    size_t expected = 0;
    for (size_t i = 0; i < count; ++i) expected += append(kLogLines[i % 2], costs);
    checkLength(edit, expected);
    for (size_t position : positions) printCosts(position, costs, position - 1, span);
  }

  std::vector<double> roundTrips;
  for (int i = 0; i < 101; ++i) {
    const Stopwatch clock;
    for (int message = 0; message < 6; ++message) sendWithin(edit, WM_NULL, 0, 0, L"WM_NULL");
    roundTrips.push_back(clock.elapsedUs());
  }
  printLine(L"round_trips_us=" + decimal(median(roundTrips), 1));
}

// Clicks BUTTON and reports the milliseconds from the click to the creation
// of each process that the button's process starts, as the system recorded
// it; `ms` is the command processor's, or the first child's. With
// --wait-end it then waits for that process to end and for the program to
// answer again.
void scriptStart(const Arguments& args) {
  args.expectCount(1, 1);
  HWND button = args.window(0);
  requireWindow(button);
  const DWORD parent = processOf(button);
  std::vector<DWORD> before;
  for (const ChildProcess& child : childrenOf(parent)) before.push_back(child.id);

  const ULONGLONG clicked = systemTimeNow();
  if (!PostMessageW(button, BM_CLICK, 0, 0)) throw Failure(L"cannot post BM_CLICK to " + args.at(0));

  struct Started {
    ChildProcess process;
    ULONGLONG created;
  };
  std::vector<Started> started;
  const bool found = pollEvery(args.timeoutMs(), 1, [&] {
    for (const ChildProcess& child : childrenOf(parent)) {
      if (std::find(before.begin(), before.end(), child.id) != before.end()) continue;
      // A process the system is still setting up has no name and no
      // creation time yet: it is looked at again on the next poll.
      const auto handle = openProcess(PROCESS_QUERY_LIMITED_INFORMATION, child.id);
      FILETIME created = {}, exited, kernel, user;
      if (child.name.empty() || !handle || !GetProcessTimes(handle.get(), &created, &exited, &kernel, &user) ||
          (created.dwHighDateTime == 0 && created.dwLowDateTime == 0))
        continue;
      before.push_back(child.id);
      started.push_back({child, (static_cast<ULONGLONG>(created.dwHighDateTime) << 32) | created.dwLowDateTime});
    }
    return std::any_of(started.begin(), started.end(),
                       [](const Started& s) { return _wcsicmp(s.process.name.c_str(), L"cmd.exe") == 0; });
  });
  if (started.empty()) throw Failure(L"the button's process started no process within " + std::to_wstring(args.timeoutMs()) + L" ms");

  const auto delay = [&](const Started& s) { return (static_cast<double>(s.created) - static_cast<double>(clicked)) / 1e4; };
  const Started* script = &started.front();
  for (const Started& s : started) {
    printLine(L"child=" + escape(s.process.name) + L"\t" + decimal(delay(s), 2));
    if (_wcsicmp(s.process.name.c_str(), L"cmd.exe") == 0) script = &s;
  }
  if (!found) printLine(L"no cmd.exe among them");
  printLine(L"ms=" + decimal(delay(*script), 2));

  if (args.has(L"--wait-end")) {
    const auto handle = openProcess(SYNCHRONIZE, script->process.id);
    if (handle && WaitForSingleObject(handle.get(), args.timeoutMs()) != WAIT_OBJECT_0)
      throw Failure(L"the started process did not end within " + std::to_wstring(args.timeoutMs()) + L" ms");
    if (!waitUntil(args.timeoutMs(), [&] {
          DWORD_PTR result = 0;
          return SendMessageTimeoutW(button, WM_NULL, 0, 0, SMTO_BLOCK | SMTO_ABORTIFHUNG, 200, &result) != 0;
        }))
      throw Failure(L"the program did not answer again within " + std::to_wstring(args.timeoutMs()) + L" ms");
  }
}

}  // namespace driver
