#include "child_process.h"

#include "output.h"

namespace driver {

PROCESS_INFORMATION startProgram(const std::wstring& exe, const std::wstring& dir, const STARTUPINFOW& startup,
                                 DWORD creationFlags) {
  STARTUPINFOW info = startup;
  PROCESS_INFORMATION process = {};
  std::wstring commandLine = L"\"" + exe + L"\"";
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, creationFlags, nullptr, dir.c_str(),
                      &info, &process))
    throw Failure(L"cannot start " + exe + L" (error " + std::to_wstring(GetLastError()) + L")");
  CloseHandle(process.hThread);
  process.hThread = nullptr;
  return process;
}

void exitWithExitCodeOf(HANDLE process) {
  WaitForSingleObject(process, INFINITE);
  DWORD code = 1;
  GetExitCodeProcess(process, &code);
  CloseHandle(process);
  ExitProcess(code);
}

}  // namespace driver
