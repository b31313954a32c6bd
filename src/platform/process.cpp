#include "platform/process.h"

#include <windows.h>

#include "platform/handles.h"
#include "platform/wide.h"
#include "platform/wow64_redirection.h"

namespace platform {
namespace {

bool Start(ProcessStart& start, STARTUPINFOW& startup, PROCESS_INFORMATION& started)
{
    // Only for the start itself: the redirection is per thread and the
    // loader needs it for every DLL.
    const NativeSystemFolderScope native;
    if (!native.Native())
        return false;
    // CreateProcessW may write into the command line, so it gets our own copy.
    return CreateProcessW(Wide(start.program), reinterpret_cast<wchar_t*>(start.commandLine.data()), nullptr,
                          nullptr, FALSE, CREATE_NEW_CONSOLE | NORMAL_PRIORITY_CLASS | CREATE_UNICODE_ENVIRONMENT,
                          start.environment.data(), Wide(start.folder), &startup, &started) != FALSE;
}

}  // namespace

std::optional<unsigned long> RunInNewConsoleAndWait(ProcessStart start, unsigned short showWindow)
{
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = showWindow;

    PROCESS_INFORMATION started = {};
    if (!Start(start, startup, started))
        return std::nullopt;
    const UniqueHandle process(started.hProcess);
    const UniqueHandle thread(started.hThread);

    WaitForSingleObject(process.get(), INFINITE);
    DWORD exitCode = 0;
    GetExitCodeProcess(process.get(), &exitCode);
    return exitCode;
}

}  // namespace platform
