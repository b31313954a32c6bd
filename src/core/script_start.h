#pragma once
// How the repair script is handed to the command processor: the command
// line, the environment the script runs in, and the paths it cannot be given.

#include <string>
#include <string_view>

namespace core {

// Folders of the running system, as the system names them.
struct SystemFolders {
    std::u16string windows;  // such as C:\Windows
    std::u16string system;   // such as C:\Windows\System32
};

// True when the command processor would change the path before running it:
// "%" starts a variable's expansion even inside quotes, "!" too where
// delayed expansion is on. Such a path is not started.
bool CommandProcessorRewrites(std::u16string_view scriptPath);

// The command processor's file in the system folder, as the script's
// processes name it (ComSpec).
std::u16string CommandProcessorPath(const SystemFolders& folders);

// The native command processor as this program starts it. A 32-bit program
// on 64-bit Windows (WOW64) sees SysWOW64 under the name System32, and
// SysWOW64 lacks some of the tools (nbtstat.exe): it reaches the native
// System32 by the alias Sysnative.
std::u16string NativeCommandProcessorProgram(const SystemFolders& folders, bool wow64);

// The command line for the script: no AutoRun (/D), the path quoted and the
// whole taken as one quoted command, so that no character of the path can
// end it early.
std::u16string ScriptCommandLine(std::u16string_view scriptPath);

// The script's whole environment, as CreateProcessW takes it with
// CREATE_UNICODE_ENVIRONMENT: NAME=value strings sorted by name, each ended
// by a zero, and one zero more. Only the system's folders are named, so that
// nothing of the user's chooses the command processor or a tool.
std::u16string ScriptEnvironment(const SystemFolders& folders);

}  // namespace core
