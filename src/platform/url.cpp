#include "platform/url.h"

#include <shellapi.h>

#include "platform/wide.h"

namespace platform {

void OpenUrl(HWND owner, const std::u16string& address)
{
    ShellExecuteW(owner, nullptr, Wide(address), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace platform
