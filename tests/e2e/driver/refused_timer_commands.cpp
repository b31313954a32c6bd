// A program started so that its own SetTimer calls are refused, as when the
// system has no timers left, with no hook in the program itself: the driver
// starts it as its debuggee, and at the loader's breakpoint (imports bound,
// entry point not yet run) points the executable's import of user32!SetTimer
// at a stub that returns 0, then detaches and lets it run. The system's DLLs
// keep their own imports, so only the program's timers fail.
#include <windows.h>

#include <cstdint>
#include <string>

#include "child_process.h"
#include "commands.h"
#include "output.h"

namespace driver {

namespace {

// The driver is built for the program's width, so the program's image has
// the driver's own header and import table layout.
#ifdef _WIN64
using ImageHeaders = IMAGE_NT_HEADERS64;
using ImportThunk = IMAGE_THUNK_DATA64;
using ImportAddress = std::uint64_t;
#define LUMARIC_SNAP_BY_ORDINAL IMAGE_SNAP_BY_ORDINAL64
// xor eax, eax; ret: result 0, the caller clears its own arguments.
constexpr unsigned char kRefusingSetTimer[] = {0x31, 0xC0, 0xC3};
#else
using ImageHeaders = IMAGE_NT_HEADERS32;
using ImportThunk = IMAGE_THUNK_DATA32;
using ImportAddress = std::uint32_t;
#define LUMARIC_SNAP_BY_ORDINAL IMAGE_SNAP_BY_ORDINAL32
// xor eax, eax; ret 16: SetTimer's four stdcall arguments off the stack, result 0.
constexpr unsigned char kRefusingSetTimer[] = {0x31, 0xC0, 0xC2, 0x10, 0x00};
#endif

class Debuggee {
 public:
  explicit Debuggee(HANDLE process) : process_(process) {}

  template <class T>
  T read(std::uintptr_t address) const {
    T value{};
    SIZE_T done = 0;
    if (!ReadProcessMemory(process_, reinterpret_cast<void*>(address), &value, sizeof value, &done) ||
        done != sizeof value)
      throw Failure(L"cannot read the debuggee's memory at " + hex(static_cast<unsigned long>(address)));
    return value;
  }

  std::string readName(std::uintptr_t address) const {
    std::string name;
    for (char c; (c = read<char>(address + name.size())) != '\0' && name.size() < 256;) name += c;
    return name;
  }

  // The import address table slot of DLL!FUNCTION in the image at BASE.
  std::uintptr_t importSlot(std::uintptr_t base, const std::string& dll, const std::string& function) const {
    const auto dos = read<IMAGE_DOS_HEADER>(base);
    const auto nt = read<ImageHeaders>(base + static_cast<std::uintptr_t>(dos.e_lfanew));
    const IMAGE_DATA_DIRECTORY& imports = nt.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (std::uintptr_t at = base + imports.VirtualAddress;; at += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
      const auto descriptor = read<IMAGE_IMPORT_DESCRIPTOR>(at);
      if (descriptor.Name == 0) break;
      if (lstrcmpiA(readName(base + descriptor.Name).c_str(), dll.c_str()) != 0) continue;
      // The names stay in the lookup table; the address table is bound by now.
      for (std::uintptr_t index = 0;; ++index) {
        const auto entry = read<ImportThunk>(base + descriptor.OriginalFirstThunk + index * sizeof(ImportThunk));
        if (entry.u1.AddressOfData == 0) break;
        if (LUMARIC_SNAP_BY_ORDINAL(entry.u1.Ordinal)) continue;
        if (readName(base + static_cast<std::uintptr_t>(entry.u1.AddressOfData) + 2) == function)
          return base + descriptor.FirstThunk + index * sizeof(ImportThunk);
      }
    }
    throw Failure(L"the executable imports no " + std::wstring(function.begin(), function.end()));
  }

  // Memory of the debuggee that holds CODE for the rest of its life.
  std::uintptr_t placeCode(const unsigned char* code, size_t size) const {
    void* memory = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_EXECUTE_READWRITE);
    if (memory == nullptr || !WriteProcessMemory(process_, memory, code, size, nullptr))
      throw Failure(L"cannot place code in the debuggee");
    FlushInstructionCache(process_, memory, size);
    return reinterpret_cast<std::uintptr_t>(memory);
  }

  void writeSlot(std::uintptr_t slot, ImportAddress value) const {
    DWORD previous = 0;
    auto* at = reinterpret_cast<void*>(slot);
    if (!VirtualProtectEx(process_, at, sizeof value, PAGE_READWRITE, &previous) ||
        !WriteProcessMemory(process_, at, &value, sizeof value, nullptr))
      throw Failure(L"cannot write the import slot at " + hex(static_cast<unsigned long>(slot)));
    VirtualProtectEx(process_, at, sizeof value, previous, &previous);
  }

 private:
  HANDLE process_;
};

// Handles the debuggee's events up to the loader's breakpoint, there
// replaces its import of SetTimer, and leaves the breakpoint's thread
// stopped for the caller to continue.
DEBUG_EVENT refuseTimersAtBreakpoint(const PROCESS_INFORMATION& process, DWORD timeoutMs) {
  const Debuggee debuggee(process.hProcess);
  std::uintptr_t base = 0;
  DEBUG_EVENT event = {};
  for (;;) {
    if (!WaitForDebugEvent(&event, timeoutMs)) throw Failure(L"no debug event within the timeout");
    DWORD status = DBG_CONTINUE;
    switch (event.dwDebugEventCode) {
      case CREATE_PROCESS_DEBUG_EVENT:
        base = reinterpret_cast<std::uintptr_t>(event.u.CreateProcessInfo.lpBaseOfImage);
        if (event.u.CreateProcessInfo.hFile != nullptr) CloseHandle(event.u.CreateProcessInfo.hFile);
        break;
      case LOAD_DLL_DEBUG_EVENT:
        if (event.u.LoadDll.hFile != nullptr) CloseHandle(event.u.LoadDll.hFile);
        break;
      case EXCEPTION_DEBUG_EVENT:
        if (event.u.Exception.ExceptionRecord.ExceptionCode == EXCEPTION_BREAKPOINT) {
          const std::uintptr_t slot = debuggee.importSlot(base, "user32.dll", "SetTimer");
          const auto bound = debuggee.read<ImportAddress>(slot);
          const std::uintptr_t stub = debuggee.placeCode(kRefusingSetTimer, sizeof kRefusingSetTimer);
          debuggee.writeSlot(slot, static_cast<ImportAddress>(stub));
          printLine(L"pid=" + std::to_wstring(process.dwProcessId));
          printLine(L"SetTimer import at " + hex(static_cast<unsigned long>(slot)) + L": " + hex(static_cast<unsigned long>(bound)) +
                    L" replaced by " + hex(static_cast<unsigned long>(stub)));
          return event;
        }
        status = DBG_EXCEPTION_NOT_HANDLED;
        break;
      case EXIT_PROCESS_DEBUG_EVENT:
        throw Failure(L"the program ended before its loader's breakpoint");
      default:
        break;
    }
    ContinueDebugEvent(event.dwProcessId, event.dwThreadId, status);
  }
}

}  // namespace

void runRefusingTimers(const Arguments& args) {
  args.expectCount(2, 2);
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  const PROCESS_INFORMATION process = startProgram(args.at(0), args.at(1), startup, DEBUG_ONLY_THIS_PROCESS);
  const DEBUG_EVENT breakpoint = refuseTimersAtBreakpoint(process, args.timeoutMs());
  DebugSetProcessKillOnExit(FALSE);
  ContinueDebugEvent(breakpoint.dwProcessId, breakpoint.dwThreadId, DBG_CONTINUE);
  if (!DebugActiveProcessStop(process.dwProcessId))
    throw Failure(L"cannot detach from process " + std::to_wstring(process.dwProcessId) + L" (error " +
                  std::to_wstring(GetLastError()) + L")");
  exitWithExitCodeOf(process.hProcess);
}

}  // namespace driver
