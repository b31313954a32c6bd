#pragma once
// Opening an address through the user's own shell, the desktop's, which runs
// with the user's unelevated token whatever rights the program has.

#include <string>

namespace platform {

// Asks the desktop's shell to open the address with its default action;
// what starts then has the shell's rights, not the program's. False when
// there is no desktop shell to ask or it refused.
bool OpenThroughDesktopShell(const std::u16string& address);

}  // namespace platform
