#pragma once
// The visual style every window of the toolkit draws itself in: the one
// start-up applies, or null for the system's own look. A window takes the
// style in force when it is created.

#include "core/style_data.h"

namespace ui {

const core::StyleData* CurrentStyle() noexcept;
void SetCurrentStyle(const core::StyleData* style) noexcept;

}  // namespace ui
