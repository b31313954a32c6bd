// A program started without administrator rights, as a standard user or an
// administrator's filtered token under User Account Control start it; what
// a process's token says of its rights; and, for a handler the driver
// stands in for, who started it and with what rights.
#include <windows.h>
#include <tlhelp32.h>

#include <algorithm>
#include <string>
#include <vector>

#include "child_process.h"
#include "commands.h"
#include "handles.h"
#include "output.h"

namespace driver {

namespace {

[[noreturn]] void failWith(const std::wstring& what) {
  throw Failure(what + L" (error " + std::to_wstring(GetLastError()) + L")");
}

// The limited token linked to the driver's own, made a primary token.
HANDLE limitedToken() {
  HANDLE own = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &own)) failWith(L"cannot open the driver's token");
  const platform::UniqueHandle ownToken(own);
  TOKEN_LINKED_TOKEN linked = {};
  DWORD size = 0;
  if (!GetTokenInformation(own, TokenLinkedToken, &linked, sizeof linked, &size))
    failWith(L"the driver's token has no linked token");
  const platform::UniqueHandle linkedToken(linked.LinkedToken);
  HANDLE primary = nullptr;
  if (!DuplicateTokenEx(linked.LinkedToken, TOKEN_ALL_ACCESS, nullptr, SecurityImpersonation, TokenPrimary, &primary))
    failWith(L"cannot make the linked token a primary token");
  return primary;
}

}  // namespace

// Runs EXE from DIR with the limited token, waits, exits with its exit code.
void runLimited(const Arguments& args) {
  args.expectCount(2, 2);
  const platform::UniqueHandle token(limitedToken());
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process = {};
  std::wstring commandLine = L"\"" + args.at(0) + L"\"";
  if (!CreateProcessAsUserW(token.get(), args.at(0).c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            args.at(1).c_str(), &startup, &process))
    failWith(L"cannot start " + args.at(0) + L" with the limited token");
  const platform::UniqueHandle thread(process.hThread);
  exitWithExitCodeOf(process.hProcess);
}

namespace {

struct Elevation {
  bool elevated;
  int type;  // 1 default, 2 full, 3 limited
};

Elevation elevationOf(HANDLE process) {
  HANDLE token = nullptr;
  if (!OpenProcessToken(process, TOKEN_QUERY, &token)) failWith(L"cannot open the process's token");
  const platform::UniqueHandle owned(token);
  TOKEN_ELEVATION elevation = {};
  TOKEN_ELEVATION_TYPE type = TokenElevationTypeDefault;
  DWORD size = 0;
  if (!GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size) ||
      !GetTokenInformation(token, TokenElevationType, &type, sizeof type, &size))
    failWith(L"cannot read the token's elevation");
  return {elevation.TokenIsElevated != 0, static_cast<int>(type)};
}

// The file name of the program that started this process.
std::wstring parentProgram() {
  const auto snapshot = platform::AdoptFileHandle(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) failWith(L"cannot list the processes");
  std::vector<PROCESSENTRY32W> processes;
  PROCESSENTRY32W entry = {};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot.get(), &entry); more; more = Process32NextW(snapshot.get(), &entry))
    processes.push_back(entry);
  const auto find = [&processes](DWORD id) {
    return std::find_if(processes.begin(), processes.end(),
                        [id](const PROCESSENTRY32W& process) { return process.th32ProcessID == id; });
  };
  const auto self = find(GetCurrentProcessId());
  const auto parent = self == processes.end() ? processes.end() : find(self->th32ParentProcessID);
  if (parent == processes.end()) throw Failure(L"the process that started this one has ended or cannot be found");
  return parent->szExeFile;
}

std::string utf8(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                       nullptr);
  std::string bytes(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
  return bytes;
}

}  // namespace

// elevated=0|1 and type=1|2|3 (default, full, limited) of PID's token.
void tokenElevation(const Arguments& args) {
  args.expectCount(1, 1);
  const platform::UniqueHandle process = openProcess(PROCESS_QUERY_INFORMATION, args.number(0));
  if (!process) failWith(L"cannot open the process");
  const Elevation elevation = elevationOf(process.get());
  printLine(L"elevated=" + std::to_wstring(elevation.elevated));
  printLine(L"type=" + std::to_wstring(elevation.type));
}

// Started as a handler (of web addresses, say): appends to FILE, in UTF-8, a
// line with the program that started the driver, the driver's own elevation
// and ARGUMENT, as "parent=NAME<tab>elevated=0|1<tab>type=N<tab>argument=ARGUMENT".
void recordStart(const Arguments& args) {
  args.expectCount(2, 2);
  const Elevation elevation = elevationOf(GetCurrentProcess());
  const std::string line = utf8(L"parent=" + parentProgram() + L"\televated=" + std::to_wstring(elevation.elevated) +
                                L"\ttype=" + std::to_wstring(elevation.type) + L"\targument=" + args.at(1) + L"\n");
  const auto file = platform::AdoptFileHandle(CreateFileW(args.at(0).c_str(), FILE_APPEND_DATA,
                                                          FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                                          FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) failWith(L"cannot open " + args.at(0));
  DWORD written = 0;
  if (!WriteFile(file.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr) || written != line.size())
    failWith(L"cannot write " + args.at(0));
}

}  // namespace driver
