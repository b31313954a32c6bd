#pragma once
// A single-line text box.

#include "ui/control.h"

namespace ui {

class Edit : public Control {
public:
    void Create(Container& parent, int id, const Bounds& bounds, const std::u16string& text, bool visible);
};

}  // namespace ui
