#include "core/repair_script.h"

#include <array>

namespace core {
namespace {

constexpr unsigned kUtf8CodePage = 65001;

constexpr std::array<std::u16string_view, 8> kScriptLines = {
    u"cd\\",
    u"ipconfig/release",
    u"ipconfig/renew",
    u"ipconfig/flushdns",
    u"ipconfig /registerdns",
    u"arp -d",
    u"Nbtstat -R",
    u"Nbtstat -RR",
};

}  // namespace

std::u16string RepairScriptText()
{
    std::u16string text;
    for (const auto line : kScriptLines) {
        text.append(line);
        text.append(u"\r\n");
    }
    return text;
}

std::vector<unsigned char> ScriptFileBytes(unsigned ansiCodePage, std::string_view ansiText)
{
    std::vector<unsigned char> bytes;
    if (ansiCodePage == kUtf8CodePage)
        bytes = {0xEF, 0xBB, 0xBF};
    bytes.insert(bytes.end(), ansiText.begin(), ansiText.end());
    return bytes;
}

}  // namespace core
