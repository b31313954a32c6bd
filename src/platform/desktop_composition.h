#pragma once
// Whether the desktop compositor draws a window's frame. Where the program
// draws the frame itself, the compositor's must be off, or the system's
// caption and buttons would show over it.

#include <windows.h>

namespace platform {

// Windows without a compositor (or before Vista) take no notice.
void SetCompositorDrawsFrame(HWND window, bool draws);

}  // namespace platform
