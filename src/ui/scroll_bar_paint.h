#pragma once
// A window's own vertical scroll bar drawn over in the style: the track, the
// two arrow buttons and the thumb, in the state the system reports for each.

#include <windows.h>

#include "core/style_data.h"

namespace ui::paint {

void StyledVerticalScrollBar(HWND window, const core::StyleData& style, int dpi);

}  // namespace ui::paint
