#include "ui/label.h"

#include "platform/wide.h"
#include "ui/gdi.h"

namespace ui {

void Label::Create(Container& parent, int id, const Bounds& bounds, const std::u16string& caption)
{
    CreateChild(parent, {L"Static", WS_VISIBLE | SS_LEFT | SS_NOTIFY | SS_NOPREFIX, 0, caption, id}, bounds);
    FitToText();
}

void Label::OnCommand(WORD code)
{
    if (code == STN_CLICKED && OnClick)
        OnClick(this);
}

void Label::FitToText()
{
    const std::u16string text = Text();
    const WindowDC dc(Handle());
    const SelectedObject font(dc, reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0)));
    RECT extent = {0, 0, 0, 0};
    DrawTextW(dc, platform::Wide(text), static_cast<int>(text.size()), &extent,
              DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    SetWindowPos(Handle(), nullptr, 0, 0, extent.right, extent.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace ui
