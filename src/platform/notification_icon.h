#pragma once
// An icon of the program's resources at the size the shell shows in the
// notification area: the small icon at the system's scale.

#include <windows.h>

namespace platform {

// The caller destroys the icon; null when the resource has none.
HICON LoadNotificationIcon(HINSTANCE instance, int resourceId);

}  // namespace platform
