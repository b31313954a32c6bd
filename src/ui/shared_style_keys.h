#pragma once
// The style's keys that more than one kind of control draws with. Each
// control names its other keys beside the drawing that uses them.

#include "core/typed_style_key.h"

namespace ui::keys {

inline constexpr core::ColourKey kWindowBackground("window.background");
inline constexpr core::ColourKey kWindowText("window.text");
inline constexpr core::ColourKey kFocusRectangle("focus.rectangle");

}  // namespace ui::keys
