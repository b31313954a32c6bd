#pragma once
// A push button. A click made from code runs the handler whether or not the
// button is enabled.

#include "ui/control.h"

namespace ui {

class Button : public Control {
public:
    void Create(Container& parent, int id, const Bounds& bounds, const std::u16string& caption);
    void Click();
    void OnCommand(WORD code) override;

    NotifyEvent OnClick;
};

}  // namespace ui
