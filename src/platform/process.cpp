#include "platform/process.h"

#include <windows.h>

#include "platform/handles.h"
#include "platform/wide.h"

namespace platform {

std::optional<unsigned long> RunInNewConsoleAndWait(std::u16string commandLine, unsigned short showWindow,
                                                    const std::u16string& folder)
{
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = showWindow;

    PROCESS_INFORMATION started = {};
    // CreateProcessW may write into the command line, so it gets our own copy.
    if (!CreateProcessW(nullptr, reinterpret_cast<wchar_t*>(commandLine.data()), nullptr, nullptr, FALSE,
                        CREATE_NEW_CONSOLE | NORMAL_PRIORITY_CLASS, nullptr, Wide(folder), &startup, &started))
        return std::nullopt;
    const UniqueHandle process(started.hProcess);
    const UniqueHandle thread(started.hThread);

    WaitForSingleObject(process.get(), INFINITE);
    DWORD exitCode = 0;
    GetExitCodeProcess(process.get(), &exitCode);
    return exitCode;
}

}  // namespace platform
