#include "ui/edit.h"

namespace ui {

void Edit::Create(Container& parent, int id, const Bounds& bounds, const std::u16string& text, bool visible)
{
    const DWORD style = WS_TABSTOP | ES_AUTOHSCROLL | (visible ? WS_VISIBLE : 0);
    CreateChild(parent, {L"Edit", style, WS_EX_CLIENTEDGE, text, id}, bounds);
}

}  // namespace ui
