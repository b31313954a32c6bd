#pragma once
// A status bar drawn in the style: a gradient band under a dark line, the
// panels parted by thin separators, each panel's text in the bar's font.

#include <windows.h>

#include "core/style_data.h"

namespace ui {

void SkinStatusBar(HWND statusBar, const core::StyleData& style);

}  // namespace ui
