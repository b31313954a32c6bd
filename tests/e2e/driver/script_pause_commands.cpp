// Holds a program still at the moment it starts another one, as a debugger
// does, so that a test can change the file system right between what the
// program checked and what it starts.
#include <windows.h>
#include <psapi.h>

#include <cstdint>
#include <string>

#include "commands.h"
#include "handles.h"
#include "output.h"

namespace driver {

namespace {

[[noreturn]] void failWith(const std::wstring& what) {
  throw Failure(what + L" (error " + std::to_wstring(GetLastError()) + L")");
}

// The address of CreateProcessW in the process: the module that holds it
// lies at the same offset there as here.
BYTE* remoteCreateProcess(HANDLE process) {
  auto* local = reinterpret_cast<BYTE*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "CreateProcessW"));
  HMODULE localModule = nullptr;
  if (!local || !GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                    reinterpret_cast<LPCWSTR>(local), &localModule))
    failWith(L"cannot find CreateProcessW here");
  wchar_t name[MAX_PATH];
  if (!GetModuleBaseNameW(GetCurrentProcess(), localModule, name, MAX_PATH)) failWith(L"cannot name its module");
  HMODULE modules[512];
  DWORD bytes = 0;
  if (!EnumProcessModules(process, modules, sizeof modules, &bytes)) failWith(L"cannot list the process's modules");
  for (DWORD i = 0; i < bytes / sizeof(HMODULE); ++i) {
    wchar_t remoteName[MAX_PATH];
    if (GetModuleBaseNameW(process, modules[i], remoteName, MAX_PATH) && _wcsicmp(remoteName, name) == 0)
      return reinterpret_cast<BYTE*>(modules[i]) + (local - reinterpret_cast<BYTE*>(localModule));
  }
  throw Failure(std::wstring(L"the process has no ") + name);
}

std::wstring remoteText(HANDLE process, std::uintptr_t address) {
  std::wstring text;
  wchar_t c = 0;
  SIZE_T read = 0;
  while (text.size() < 4096 &&
         ReadProcessMemory(process, reinterpret_cast<void*>(address + text.size() * sizeof c), &c, sizeof c, &read) &&
         c != 0)
    text += c;
  return text;
}

void closeFileOf(const DEBUG_EVENT& event) {
  if (event.dwDebugEventCode == CREATE_PROCESS_DEBUG_EVENT && event.u.CreateProcessInfo.hFile)
    CloseHandle(event.u.CreateProcessInfo.hFile);
  if (event.dwDebugEventCode == LOAD_DLL_DEBUG_EVENT && event.u.LoadDll.hFile) CloseHandle(event.u.LoadDll.hFile);
}

bool fileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

// Attaches to PID and stops it when it next calls CreateProcessW: prints
// "attached" once it waits for that call, then "paused" and the call's
// command line, and lets the process go on when the file GO exists.
void pauseScriptStart(const Arguments& args) {
  args.expectCount(2, 2);
  const DWORD pid = args.number(0);
  const std::wstring go = args.at(1);
  const platform::UniqueHandle process = openProcess(PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_VM_OPERATION | PROCESS_QUERY_INFORMATION, pid);
  if (!process) failWith(L"cannot open process " + std::to_wstring(pid));
  BYTE* target = remoteCreateProcess(process.get());
  if (!DebugActiveProcess(pid)) failWith(L"cannot attach to process " + std::to_wstring(pid));
  DebugSetProcessKillOnExit(FALSE);

  BYTE original = 0;
  SIZE_T done = 0;
  bool armed = false;
  for (;;) {
    DEBUG_EVENT event;
    if (!WaitForDebugEvent(&event, INFINITE)) failWith(L"lost the process");
    closeFileOf(event);
    DWORD status = DBG_CONTINUE;
    if (event.dwDebugEventCode == EXIT_PROCESS_DEBUG_EVENT) throw Failure(L"the process ended");
    if (event.dwDebugEventCode == EXCEPTION_DEBUG_EVENT) {
      const EXCEPTION_RECORD& record = event.u.Exception.ExceptionRecord;
      if (record.ExceptionCode != EXCEPTION_BREAKPOINT) {
        status = DBG_EXCEPTION_NOT_HANDLED;
      } else if (!armed) {
        // The break of the attachment itself.
        const BYTE breakpoint = 0xCC;
        if (!ReadProcessMemory(process.get(), target, &original, 1, &done) ||
            !WriteProcessMemory(process.get(), target, &breakpoint, 1, &done))
          failWith(L"cannot set the breakpoint");
        FlushInstructionCache(process.get(), target, 1);
        armed = true;
        printLine(L"attached");
      } else if (record.ExceptionAddress == target) {
        const platform::UniqueHandle thread(OpenThread(THREAD_GET_CONTEXT | THREAD_SET_CONTEXT, FALSE, event.dwThreadId));
        CONTEXT context = {};
        context.ContextFlags = CONTEXT_CONTROL | CONTEXT_INTEGER;
        if (!thread || !GetThreadContext(thread.get(), &context)) failWith(L"cannot read the thread's registers");
        // The command line is the second argument: on the stack above the
        // return address and the first in 32-bit code, in rdx in 64-bit code.
#ifdef _WIN64
        const std::uintptr_t commandLine = context.Rdx;
#else
        DWORD commandLine = 0;
        ReadProcessMemory(process.get(), reinterpret_cast<void*>(context.Esp + 8), &commandLine, sizeof commandLine,
                          &done);
#endif
        printLine(L"paused");
        printLine(L"command-line=" + escape(remoteText(process.get(), commandLine)));
        for (DWORD waited = 0; !fileExists(go); waited += 50) {
          if (waited > 60000) throw Failure(L"no " + go + L" within 60 s");
          Sleep(50);
        }
        WriteProcessMemory(process.get(), target, &original, 1, &done);
        FlushInstructionCache(process.get(), target, 1);
#ifdef _WIN64
        context.Rip = reinterpret_cast<DWORD64>(target);
#else
        context.Eip = reinterpret_cast<DWORD>(target);
#endif
        if (!SetThreadContext(thread.get(), &context)) failWith(L"cannot set the thread's registers");
        ContinueDebugEvent(event.dwProcessId, event.dwThreadId, DBG_CONTINUE);
        DebugActiveProcessStop(pid);
        return;
      }
    }
    ContinueDebugEvent(event.dwProcessId, event.dwThreadId, status);
  }
}

}  // namespace driver
