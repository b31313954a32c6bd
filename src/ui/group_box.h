#pragma once
// A group frame without a title that holds controls of its own.

#include "ui/container.h"

namespace ui {

class GroupBox : public Container {
public:
    // The frame fills its parent's client area.
    void Create(Container& parent, int id, const Bounds& bounds);

protected:
    void Paint(HDC dc, const RECT& client) override;
    core::ColourKey BackgroundKey() const noexcept override;

private:
    void PaintStyled(HDC dc, const RECT& frame);
};

}  // namespace ui
