#pragma once
// Owners for kernel handles and shell allocations.

#include <windows.h>
#include <objbase.h>

#include <memory>
#include <type_traits>

namespace platform {

struct KernelHandleCloser {
    void operator()(HANDLE handle) const noexcept { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, KernelHandleCloser>;

// CreateFileW reports failure as INVALID_HANDLE_VALUE, not as null.
inline UniqueHandle AdoptFileHandle(HANDLE handle)
{
    return UniqueHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

struct FindCloser {
    void operator()(HANDLE handle) const noexcept { FindClose(handle); }
};
using UniqueFind = std::unique_ptr<std::remove_pointer_t<HANDLE>, FindCloser>;

inline UniqueFind AdoptFindHandle(HANDLE handle)
{
    return UniqueFind(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

struct LocalFreer {
    void operator()(void* memory) const noexcept { LocalFree(memory); }
};
template <class T>
using UniqueLocalMem = std::unique_ptr<T, LocalFreer>;

struct CoTaskMemFreer {
    void operator()(void* memory) const noexcept { CoTaskMemFree(memory); }
};
template <class T>
using UniqueCoTaskMem = std::unique_ptr<T, CoTaskMemFreer>;

}  // namespace platform
