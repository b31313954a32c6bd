#include "platform/ansi_text.h"

#include <windows.h>

namespace platform {

unsigned AnsiCodePage()
{
    return GetACP();
}

std::vector<char> ToAnsi(std::u16string_view text)
{
    if (text.empty())
        return {};
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int length = static_cast<int>(text.size());
    const int needed = WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr);
    std::vector<char> bytes(static_cast<std::size_t>(needed));
    WideCharToMultiByte(CP_ACP, 0, wide, length, bytes.data(), needed, nullptr, nullptr);
    return bytes;
}

}  // namespace platform
