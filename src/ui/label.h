#pragma once
// A text label, sized to its text, that can be clicked and can carry its own
// mouse pointer.

#include "ui/control.h"

namespace ui {

class Label : public Control {
public:
    void Create(Container& parent, int id, const Bounds& bounds, const std::u16string& caption);
    void SetCursor(HCURSOR cursor) noexcept { cursor_ = cursor; }
    HCURSOR Cursor() const override { return cursor_; }
    void OnCommand(WORD code) override;
    void OnDpiChanged() override { FitToText(); }

    NotifyEvent OnClick;

private:
    void FitToText();

    HCURSOR cursor_ = nullptr;
};

}  // namespace ui
