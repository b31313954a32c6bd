#pragma once
// Opening a web address in the user's default browser.

#include <windows.h>

#include <string>

namespace platform {

// The shell's default action for the address; its result is not examined.
void OpenUrl(HWND owner, const std::u16string& address);

}  // namespace platform
