#include "core/repair_log.h"

namespace core {

std::u16string RepairOutcomeLine(bool succeeded, std::u16string_view clockText)
{
    std::u16string line(succeeded ? kRepairSucceeded : kRepairFailed);
    line.append(clockText);
    return line;
}

std::u16string LogAppendPiece(bool textEmptyOrEndsWithBreak, std::u16string_view line)
{
    if (textEmptyOrEndsWithBreak)
        return std::u16string(line) + u"\r\n";
    return u"\r\n" + std::u16string(line);
}

}  // namespace core
