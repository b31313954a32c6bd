#include "platform/wow64.h"

#include <windows.h>

#include "platform/system_function.h"

namespace platform {

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

}  // namespace platform
