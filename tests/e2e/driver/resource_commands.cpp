#include <windows.h>
#include <winternl.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "commands.h"
#include "handles.h"
#include "output.h"
#include "platform/system_function.h"
#include "window_query.h"

namespace driver {

namespace {

// Wine answers GetProcessHandleCount with 0 and GetGuiResources with
// ERROR_CALL_NOT_IMPLEMENTED, so each count has a second source that Wine
// does keep: the system's handle list, the process's own GDI handle table,
// and its windows.
using NtQuerySystemInformationFn = LONG WINAPI(ULONG, void*, ULONG, ULONG*);
using NtQueryInformationProcessFn = LONG WINAPI(HANDLE, ULONG, void*, ULONG, ULONG*);

constexpr ULONG kSystemHandleInformation = 16;
constexpr LONG kInfoLengthMismatch = static_cast<LONG>(0xC0000004);

struct SystemHandleEntry {
  ULONG ownerProcessId;
  BYTE objectType;
  BYTE flags;
  USHORT handleValue;
  void* object;
  ACCESS_MASK access;
};

// Wine's table: one per process, 0x10000 entries, a type of 0 when free.
struct WineGdiEntry {
  std::uint64_t object;
  ULONG owner;
  USHORT unique;
  UCHAR type;
  UCHAR flags;
  std::uint64_t userPointer;
};
static_assert(sizeof(WineGdiEntry) == 24, "Wine's GDI_HANDLE_ENTRY");
constexpr size_t kGdiTableEntries = 0x10000;
// PEB.GdiSharedHandleTable; the driver is as wide as the program it reads.
#ifdef _WIN64
constexpr size_t kPebGdiTableOffset = 0xF8;
#else
constexpr size_t kPebGdiTableOffset = 0x94;
#endif

bool handlesFromSystemList(DWORD processId, DWORD& count) {
  auto query = platform::SystemFunction<NtQuerySystemInformationFn>(L"ntdll.dll", "NtQuerySystemInformation");
  if (query == nullptr) return false;
  std::vector<unsigned char> buffer(1 << 16);
  for (;;) {
    ULONG needed = 0;
    const LONG status = query(kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &needed);
    if (status == kInfoLengthMismatch) {
      buffer.resize(std::max<size_t>(buffer.size() * 2, needed + 4096));
      continue;
    }
    if (status < 0) return false;
    break;
  }
  ULONG entries = 0;
  memcpy(&entries, buffer.data(), sizeof(entries));
  const auto* entry = reinterpret_cast<const SystemHandleEntry*>(buffer.data() + sizeof(ULONG_PTR));
  count = 0;
  for (ULONG i = 0; i < entries; ++i) count += entry[i].ownerProcessId == processId;
  return true;
}

bool gdiFromHandleTable(HANDLE process, DWORD& count) {
  auto query = platform::SystemFunction<NtQueryInformationProcessFn>(L"ntdll.dll", "NtQueryInformationProcess");
  if (query == nullptr) return false;
  PROCESS_BASIC_INFORMATION basic = {};
  if (query(process, ProcessBasicInformation, &basic, sizeof(basic), nullptr) < 0 || basic.PebBaseAddress == nullptr)
    return false;
  ULONG_PTR table = 0;
  SIZE_T done = 0;
  if (!ReadProcessMemory(process, reinterpret_cast<char*>(basic.PebBaseAddress) + kPebGdiTableOffset, &table,
                         sizeof(table), &done) ||
      table == 0)
    return false;
  std::vector<WineGdiEntry> entries(kGdiTableEntries);
  if (!ReadProcessMemory(process, reinterpret_cast<void*>(table), entries.data(),
                         entries.size() * sizeof(WineGdiEntry), &done))
    return false;
  count = 0;
  for (const WineGdiEntry& entry : entries) count += entry.type != 0;
  return true;
}

BOOL CALLBACK countChild(HWND, LPARAM count) {
  ++*reinterpret_cast<DWORD*>(count);
  return TRUE;
}

// Every window of the process: top-level ones, message-only ones and all
// their descendants.
DWORD windowsOf(DWORD processId) {
  std::vector<HWND> tops = topLevelWindows();
  for (HWND window = FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); window != nullptr;
       window = FindWindowExW(HWND_MESSAGE, window, nullptr, nullptr))
    tops.push_back(window);
  DWORD count = 0;
  for (HWND top : tops) {
    if (processOf(top) != processId) continue;
    ++count;
    EnumChildWindows(top, countChild, reinterpret_cast<LPARAM>(&count));
  }
  return count;
}

void printCount(const wchar_t* name, DWORD value, const wchar_t* source) {
  printLine(std::wstring(name) + L"=" + std::to_wstring(value));
  printLine(std::wstring(name) + L"_from=" + source);
}

}  // namespace

// The process's kernel handles, GDI objects and USER objects, each with the
// source it was counted from.
void resources(const Arguments& args) {
  args.expectCount(1, 1);
  const DWORD processId = args.number(0);
  const auto process = openProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, processId);
  if (!process) throw Failure(L"cannot open process " + args.at(0) + L" (error " + std::to_wstring(GetLastError()) + L")");

  DWORD handles = 0;
  if (GetProcessHandleCount(process.get(), &handles) && handles != 0)
    printCount(L"handles", handles, L"GetProcessHandleCount");
  else if (handlesFromSystemList(processId, handles))
    printCount(L"handles", handles, L"system-handle-list");
  else
    throw Failure(L"cannot count the handles of process " + args.at(0));

  SetLastError(0);
  const DWORD gdi = GetGuiResources(process.get(), GR_GDIOBJECTS);
  const bool gdiCounted = gdi != 0 || GetLastError() != ERROR_CALL_NOT_IMPLEMENTED;
  SetLastError(0);
  const DWORD user = GetGuiResources(process.get(), GR_USEROBJECTS);
  const bool userCounted = user != 0 || GetLastError() != ERROR_CALL_NOT_IMPLEMENTED;

  DWORD tableCount = 0;
  if (gdiCounted)
    printCount(L"gdi", gdi, L"GetGuiResources");
  else if (gdiFromHandleTable(process.get(), tableCount))
    printCount(L"gdi", tableCount, L"gdi-handle-table");
  else
    throw Failure(L"cannot count the GDI objects of process " + args.at(0));

  if (userCounted)
    printCount(L"user", user, L"GetGuiResources");
  else
    printCount(L"user", windowsOf(processId), L"windows");
}

}  // namespace driver
