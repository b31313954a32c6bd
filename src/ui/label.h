#pragma once
// A text label drawn by the program itself, sized to its text with the same
// measure it is drawn with, on its parent's background. It can be clicked
// and can carry its own mouse pointer.

#include "ui/control.h"
#include "ui/window_class.h"

namespace ui {

class Label : public Control, private MessageTarget {
public:
    ~Label() override;
    void Create(Container& parent, int id, const Bounds& bounds, const std::u16string& caption);
    void SetCursor(HCURSOR cursor) noexcept { cursor_ = cursor; }
    HCURSOR Cursor() const override { return cursor_; }
    void OnDpiChanged() override { FitToText(); }

    NotifyEvent OnClick;

private:
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(HWND window);
    void FitToText();
    // A label that can be clicked is a link, lit while the mouse is over it.
    void TrackHot(HWND window, bool hot);
    void SetStyledColour(HDC dc) const;

    HFONT font_ = nullptr;
    HCURSOR cursor_ = nullptr;
    bool pressed_ = false;
    bool hot_ = false;
};

}  // namespace ui
