#include "core/script_start.h"

namespace core {

bool CommandProcessorRewrites(std::u16string_view scriptPath)
{
    return scriptPath.find_first_of(u"%!") != std::u16string_view::npos;
}

std::u16string CommandProcessorPath(const SystemFolders& folders)
{
    return folders.system + u"\\cmd.exe";
}

std::u16string NativeCommandProcessorProgram(const SystemFolders& folders, bool wow64)
{
    return wow64 ? folders.windows + u"\\Sysnative\\cmd.exe" : CommandProcessorPath(folders);
}

std::u16string ScriptCommandLine(std::u16string_view scriptPath)
{
    // cmd drops the first and the last quote after /C, which leaves the
    // path in its own quotes.
    return u"cmd.exe /D /C \"\"" + std::u16string(scriptPath) + u"\"\"";
}

std::u16string ScriptEnvironment(const SystemFolders& folders)
{
    const std::u16string temp = folders.windows + u"\\Temp";
    // Sorted by name without regard to case, as the system keeps them.
    const std::u16string variables[] = {
        u"ComSpec=" + CommandProcessorPath(folders),
        u"PATH=" + folders.system + u";" + folders.windows + u";" + folders.system + u"\\Wbem",
        u"PATHEXT=.COM;.EXE;.BAT;.CMD;.VBS;.VBE;.JS;.JSE;.WSF;.WSH;.MSC",
        u"SystemRoot=" + folders.windows,
        u"TEMP=" + temp,
        u"TMP=" + temp,
        u"windir=" + folders.windows,
    };
    std::u16string block;
    for (const auto& variable : variables) {
        block += variable;
        block += u'\0';
    }
    block += u'\0';
    return block;
}

}  // namespace core
