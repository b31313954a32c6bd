#pragma once
// A push button drawn in the style: normal, hot, pressed, focused, default
// and disabled, the keyboard focus shown by a dotted frame. It stays a
// system push button in every other way.

#include <windows.h>

#include "core/style_data.h"

namespace ui {

void SkinButton(HWND button, const core::StyleData& style);

}  // namespace ui
