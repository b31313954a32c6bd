// A program started without administrator rights, as a standard user or an
// administrator's filtered token under User Account Control start it, and
// what a process's token says of its rights.
#include <windows.h>

#include <string>

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

// elevated=0|1 and type=1|2|3 (default, full, limited) of PID's token.
void tokenElevation(const Arguments& args) {
  args.expectCount(1, 1);
  const platform::UniqueHandle process = openProcess(PROCESS_QUERY_INFORMATION, args.number(0));
  HANDLE token = nullptr;
  if (!process || !OpenProcessToken(process.get(), TOKEN_QUERY, &token)) failWith(L"cannot open the process's token");
  const platform::UniqueHandle owned(token);
  TOKEN_ELEVATION elevation = {};
  TOKEN_ELEVATION_TYPE type = TokenElevationTypeDefault;
  DWORD size = 0;
  if (!GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size) ||
      !GetTokenInformation(token, TokenElevationType, &type, sizeof type, &size))
    failWith(L"cannot read the token's elevation");
  printLine(L"elevated=" + std::to_wstring(elevation.TokenIsElevated != 0));
  printLine(L"type=" + std::to_wstring(static_cast<int>(type)));
}

}  // namespace driver
