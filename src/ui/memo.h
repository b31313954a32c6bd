#pragma once
// A multi-line text box with a vertical scroll bar and wrapping lines, framed
// by a one-pixel etched bevel in place of a border. Lines are added at the
// end without rewriting the text, so a long log costs no more to extend.

#include "ui/control.h"
#include "ui/subclass.h"

namespace ui {

class Memo : public Control {
public:
    void Create(Container& parent, int id, const Bounds& bounds);
    void AppendLine(std::u16string_view line);

private:
    static LRESULT CALLBACK BevelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool EmptyOrEndsWithBreak() const;
    void PaintBevel(HWND window) const;

    Subclass bevel_;
};

}  // namespace ui
