#include "platform/url.h"

#include <shellapi.h>

#include "platform/elevation.h"
#include "platform/unelevated_shell.h"
#include "platform/wide.h"

namespace platform {

void OpenUrl(HWND owner, const std::u16string& address)
{
    // An elevated program would start the browser elevated too, and the
    // handler it finds for the address is one the user's own account may
    // have registered: the user's own shell starts it with the user's
    // rights. Where there is no such shell nothing opens.
    if (ProcessIsElevated()) {
        OpenThroughDesktopShell(address);
        return;
    }
    ShellExecuteW(owner, nullptr, Wide(address), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace platform
