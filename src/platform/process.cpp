#include "platform/process.h"

#include <windows.h>

#include "platform/handles.h"
#include "platform/wide.h"

namespace platform {

std::optional<unsigned long> RunInNewConsoleAndWait(ProcessStart start, unsigned short showWindow)
{
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = showWindow;

    PROCESS_INFORMATION started = {};
    // CreateProcessW may write into the command line, so it gets our own copy.
    if (!CreateProcessW(Wide(start.program), reinterpret_cast<wchar_t*>(start.commandLine.data()), nullptr, nullptr,
                        FALSE, CREATE_NEW_CONSOLE | NORMAL_PRIORITY_CLASS | CREATE_UNICODE_ENVIRONMENT,
                        start.environment.data(), Wide(start.folder), &startup, &started))
        return std::nullopt;
    const UniqueHandle process(started.hProcess);
    const UniqueHandle thread(started.hThread);

    WaitForSingleObject(process.get(), INFINITE);
    DWORD exitCode = 0;
    GetExitCodeProcess(process.get(), &exitCode);
    return exitCode;
}

}  // namespace platform
