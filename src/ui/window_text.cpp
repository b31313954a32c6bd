#include "ui/window_text.h"

namespace ui {

std::u16string WindowText(HWND window)
{
    const int length = GetWindowTextLengthW(window);
    std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
    const int copied = GetWindowTextW(window, reinterpret_cast<wchar_t*>(text.data()), length + 1);
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

}  // namespace ui
