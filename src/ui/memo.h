#pragma once
// A multi-line text box with a vertical scroll bar and wrapping lines, framed
// by a one-pixel etched bevel in place of a border. Lines are added at the
// end without rewriting the text, so a long log costs no more to extend.
// In a style its scroll bar is the style's own, in the non-client area
// beside the bevelled text.

#include <optional>
#include <string_view>

#include "ui/control.h"
#include "ui/scroll_bar.h"

namespace ui {

class Memo : public Control, private StyledScrollBar::Owner {
public:
    void Create(Container& parent, int id, const Bounds& bounds);
    void AppendLine(std::u16string_view line);
    ControlColours StyledColours(UINT ctlColorMessage) const override;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT Decode(UINT message, WPARAM wParam, LPARAM lParam);
    // The bevel, and the style's scroll bar inside it, in the non-client area.
    void CalculateFrame(RECT& client) const;
    void PaintFrame();
    bool EmptyOrEndsWithBreak();
    void MeasureLines();

    ScrollState CurrentScroll() const override;
    void ScrollTo(int first) override;
    RECT BarRect() const override;

    std::optional<StyledScrollBar> bar_;
    int lineHeight_ = 1;
    int depth_ = 0;
};

}  // namespace ui
