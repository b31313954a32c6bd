#pragma once
// The modal error dialog of the style lookup: titled "Error", the error
// icon, the text, one button "&Close".

#include <string_view>

namespace ui {

// A task dialog centred in the work area where the common controls have
// one, else a message box centred on the screen. Returns once it is closed.
void ShowStyleError(std::u16string_view text);

}  // namespace ui
