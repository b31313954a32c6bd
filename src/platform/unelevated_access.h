#pragma once
// What the user's own, unelevated rights reach. An elevated run of the
// program must write nowhere the user could not write without it.

#include <windows.h>

namespace platform {

// True when the limited token linked to the process's elevated one is
// granted ACCESS to the open object (which must be open with READ_CONTROL),
// by the object's security descriptor. Also true where there is no such
// token: a process that is not elevated, or an administrator's without User
// Account Control, has no other rights than its own. False when the check
// cannot be made.
bool UnelevatedUserGranted(HANDLE object, ACCESS_MASK access);

}  // namespace platform
