#pragma once
// A push button. A click made from code runs the handler whether or not the
// button is enabled. In a style it is owner-drawn: the system reports its
// state (pressed, focused, disabled, the focus cue) and the style draws all
// of it, lit while the mouse is over it.

#include <windows.h>

#include "core/style_data.h"
#include "ui/control.h"
#include "ui/hover.h"

namespace ui {

class Button : public Control {
public:
    void Create(Container& parent, int id, const Bounds& bounds, const std::u16string& caption);
    void Click();

    void OnCommand(WORD code) override;
    void DrawItem(const DRAWITEMSTRUCT& item) override;

    NotifyEvent OnClick;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    MouseOver mouse_;
};

// Push buttons of others, such as those of a message box, drawn the same way.
void DrawStyledPushButton(const DRAWITEMSTRUCT& item, const core::StyleData& style, bool hot);

// Whether the window is a push button, drawn by the system or by its owner.
bool IsPushButton(HWND window);

}  // namespace ui
