#include "platform/wow64_redirection.h"

#include <optional>

#include "platform/system_function.h"

namespace platform {
namespace {

// True for a 32-bit process on 64-bit Windows; false also where the system
// has no WoW64 at all. Nothing when the system cannot tell.
std::optional<bool> RunsUnderWow64()
{
    using IsWow64ProcessFunction = BOOL WINAPI(HANDLE, PBOOL);
    const auto isWow64 = SystemFunction<IsWow64ProcessFunction>(L"kernel32.dll", "IsWow64Process");
    if (!isWow64)
        return false;
    BOOL wow64 = FALSE;
    if (!isWow64(GetCurrentProcess(), &wow64))
        return std::nullopt;
    return wow64 != FALSE;
}

}  // namespace

NativeSystemFolderScope::NativeSystemFolderScope()
{
    const auto wow64 = RunsUnderWow64();
    if (wow64 == false)
        return;
    using DisableFunction = BOOL WINAPI(PVOID*);
    const auto disable = SystemFunction<DisableFunction>(L"kernel32.dll", "Wow64DisableWow64FsRedirection");
    revert_ = SystemFunction<RevertFunction>(L"kernel32.dll", "Wow64RevertWow64FsRedirection");
    native_ = wow64.has_value() && disable && revert_ && disable(&previous_);
    if (!native_)
        revert_ = nullptr;
}

NativeSystemFolderScope::~NativeSystemFolderScope()
{
    if (revert_)
        revert_(previous_);
}

}  // namespace platform
