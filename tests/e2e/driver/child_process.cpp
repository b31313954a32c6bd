#include "child_process.h"

#include "output.h"
#include "platform/handles.h"

namespace driver {

PROCESS_INFORMATION startProgram(const std::wstring& exe, const std::wstring& dir, const STARTUPINFOW& startup,
                                 DWORD creationFlags) {
  STARTUPINFOW info = startup;
  PROCESS_INFORMATION process = {};
  std::wstring commandLine = L"\"" + exe + L"\"";
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, creationFlags, nullptr, dir.c_str(),
                      &info, &process))
    throw Failure(L"cannot start " + exe + L" (error " + std::to_wstring(GetLastError()) + L")");
  const platform::UniqueHandle thread(process.hThread);
  process.hThread = nullptr;
  return process;
}

void exitWithExitCodeOf(HANDLE process) {
  const platform::UniqueHandle owned(process);
  WaitForSingleObject(process, INFINITE);
  DWORD code = 1;
  GetExitCodeProcess(process, &code);
  ExitProcess(code);
}

}  // namespace driver
