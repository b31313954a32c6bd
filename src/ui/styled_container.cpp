// A container's colours while a style is in force: its background, and the
// colours it gives its labels, text boxes and the drop-down list's parts.
#include "ui/container.h"

#include <cwchar>

namespace ui {
namespace {

bool IsComboBox(HWND window)
{
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    return _wcsicmp(name, L"ComboBox") == 0;
}

}  // namespace

core::Colour Container::StyleBackground() const
{
    return Style()->ColourOf(BackgroundKey());
}

LRESULT Container::StyledControlColor(UINT message, HDC dc, HWND child)
{
    const core::StyleData& style = *Style();
    core::Colour background = StyleBackground();
    core::Colour text = style.ColourOf("label.normal.text");
    if (message == WM_CTLCOLORLISTBOX) {
        background = style.ColourOf("combo.list.background");
        text = style.ColourOf("combo.list.text");
    } else if (message == WM_CTLCOLOREDIT && (IsComboBox(child) || IsComboBox(GetParent(child)))) {
        background = style.ColourOf("combo.edit.background");
        text = style.ColourOf("combo.edit.text");
    } else if (message == WM_CTLCOLOREDIT) {
        background = style.ColourOf("edit.background");
        text = style.ColourOf("edit.text");
    }
    SetBkColor(dc, paint::Rgb(background));
    SetTextColor(dc, paint::Rgb(text));
    return reinterpret_cast<LRESULT>(brushes_.Get(background));
}

void Container::EraseStyled(HWND window, HDC dc)
{
    RECT client;
    GetClientRect(window, &client);
    paint::Fill(dc, client, StyleBackground());
}

}  // namespace ui
