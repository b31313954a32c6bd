#pragma once
// A main window's frame and title bar drawn in the style: the border, the
// caption with the window's small icon and text, and the close box in its
// normal, hot, pressed and inactive states. The frame keeps the system's
// sizes, so the client area stays where the layout puts it.

#include <windows.h>

#include "core/style_data.h"

namespace ui {

void SkinFrame(HWND window, const core::StyleData& style);

}  // namespace ui
