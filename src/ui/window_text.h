#pragma once
// A window's text as the program keeps texts.

#include <windows.h>

#include <string>

namespace ui {

std::u16string WindowText(HWND window);

}  // namespace ui
