#pragma once
// Whether the user has chosen a high-contrast theme.

namespace platform {

bool HighContrastOn();

}  // namespace platform
