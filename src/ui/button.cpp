#include "ui/button.h"

#include "ui/button_skin.h"

namespace ui {

void Button::Create(Container& parent, int id, const Bounds& bounds, const std::u16string& caption)
{
    CreateChild(parent, {L"Button", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, caption, id}, bounds);
    if (Style())
        SkinButton(Handle(), *Style());
}

void Button::Click()
{
    if (OnClick)
        OnClick(this);
}

void Button::OnCommand(WORD code)
{
    if (code == BN_CLICKED)
        Click();
}

}  // namespace ui
