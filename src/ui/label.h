#pragma once
// A text label drawn by the program itself, sized to its text with the same
// measure it is drawn with, in the colours and on the background its
// parent's WM_CTLCOLORSTATIC gives. It can be clicked and can carry its
// own mouse pointer; one that can be clicked is a link, lit in the style
// while the mouse is over it.

#include "ui/control.h"
#include "ui/hover.h"

namespace ui {

class Label : public Control {
public:
    void Create(Container& parent, int id, const Bounds& bounds, const std::u16string& caption);
    void SetCursor(HCURSOR cursor) noexcept { cursor_ = cursor; }
    HCURSOR Cursor() const override { return cursor_; }
    ControlColours StyledColours(UINT ctlColorMessage) const override;
    void OnDpiChanged() override { FitToText(); }

    NotifyEvent OnClick;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint();
    void FitToText();
    LRESULT AccessibleClass(WPARAM wParam, LPARAM lParam);
    void Pressed();
    void Released();

    HFONT font_ = nullptr;
    HCURSOR cursor_ = nullptr;
    MouseOver mouse_;
    bool pressed_ = false;
};

}  // namespace ui
