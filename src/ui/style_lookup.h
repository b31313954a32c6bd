#pragma once
// Choosing the style the program is drawn in, by the name the style's data
// gives. The style resources of every loaded module are discovered at the
// first request; names are compared ignoring case by the user's locale.

#include <string_view>

#include "core/style_data.h"

namespace ui {

// The resource type under which modules carry styles.
inline constexpr const wchar_t* kStyleResourceType = L"LUMARICSTYLE";

// The first style of that name, or null. With reporting on, style data that
// cannot be read is reported, and so is a name no style has, each in an
// error dialog that waits for the user. The style lives as long as the
// process.
const core::StyleData* FindStyle(std::u16string_view name, bool reportErrors);

}  // namespace ui
