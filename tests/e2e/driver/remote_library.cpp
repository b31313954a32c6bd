#include "remote_library.h"

#include "commands.h"
#include "handles.h"
#include "output.h"
#include "platform/system_function.h"

namespace driver {

namespace {

class RemoteMemory {
 public:
  RemoteMemory(HANDLE process, size_t size)
      : process_(process), memory_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE)) {}
  ~RemoteMemory() {
    if (memory_ != nullptr) VirtualFreeEx(process_, memory_, 0, MEM_RELEASE);
  }
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;
  void* get() const { return memory_; }

 private:
  HANDLE process_;
  void* memory_;
};

}  // namespace

// kernel32 lies at the same address in every process.
void loadLibraryInto(DWORD processId, const std::wstring& library, DWORD timeoutMs) {
  const std::wstring name = std::to_wstring(processId);
  const auto process = openProcess(PROCESS_CREATE_THREAD | PROCESS_QUERY_INFORMATION | PROCESS_VM_OPERATION |
                                       PROCESS_VM_WRITE | PROCESS_VM_READ | SYNCHRONIZE,
                                   processId);
  if (!process) throw Failure(L"cannot open process " + name);
  const size_t size = (library.size() + 1) * sizeof(wchar_t);
  RemoteMemory path(process.get(), size);
  if (path.get() == nullptr || !WriteProcessMemory(process.get(), path.get(), library.c_str(), size, nullptr))
    throw Failure(L"cannot write the library's path into process " + name);
  auto* load = reinterpret_cast<LPTHREAD_START_ROUTINE>(
      reinterpret_cast<void*>(platform::SystemFunction(L"kernel32.dll", "LoadLibraryW")));
  const platform::UniqueHandle thread(CreateRemoteThread(process.get(), nullptr, 0, load, path.get(), 0, nullptr));
  if (!thread)
    throw Failure(L"cannot start a thread in process " + name + L" (error " + std::to_wstring(GetLastError()) + L")");
  const DWORD waited = WaitForSingleObject(thread.get(), timeoutMs);
  if (waited != WAIT_OBJECT_0) throw Failure(L"the thread in process " + name + L" did not end in time");
}

void loadLibrary(const Arguments& args) {
  args.expectCount(2, 2);
  loadLibraryInto(args.number(0), args.at(1), args.timeoutMs());
}

}  // namespace driver
