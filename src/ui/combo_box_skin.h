#pragma once
// An editable drop-down list drawn in the style: its frame, lit while it has
// the focus, and its button in normal, hot and pressed states. The edit
// part takes its colours from the parent's WM_CTLCOLOREDIT.

#include <windows.h>

#include "core/style_data.h"

namespace ui {

void SkinComboBox(HWND comboBox, const core::StyleData& style);

}  // namespace ui
