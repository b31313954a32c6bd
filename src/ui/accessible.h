#pragma once
// Screen readers ask a window for its accessible object (WM_GETOBJECT). A
// window of the toolkit's own class that stands for a system control
// answers with the system's proxy for that control's class: it gives the
// control's role and reads its name from the window text.

#include <windows.h>

#include <optional>

namespace ui {

// The answer to WM_GETOBJECT for the client area, as a window of the system
// class would give it; nothing where oleacc is missing or for other objects.
std::optional<LRESULT> AccessibleAs(HWND window, const wchar_t* systemClass, WPARAM wParam, LPARAM lParam);

}  // namespace ui
