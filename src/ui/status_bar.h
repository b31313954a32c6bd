#pragma once
// A status bar with panels, docked to the bottom edge, in the system's
// status-bar font. The last panel always runs to the right end. Setting a
// panel to the text it holds does nothing; a new text is drawn at once.
// In a style the panels are owner-drawn (their item data is the text) on
// the style's colour.

#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/gdi.h"

namespace ui {

class StatusBar : public Control {
public:
    void Create(Container& parent, int id, const Bounds& bounds, std::vector<int> panelWidths);

    const std::u16string& PanelText(std::size_t index) const { return texts_.at(index); }
    void SetPanelText(std::size_t index, const std::u16string& text);

    void DrawItem(const DRAWITEMSTRUCT& item) override;
    void OnDpiChanged() override;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // What SB_GETTEXTLENGTHW and SB_GETTEXTW answer for a panel: screen
    // readers ask them, and for an owner-drawn panel the system's bar
    // would give the item data instead of the text.
    LRESULT PanelTextLength(std::size_t index) const;
    LRESULT CopyPanelText(std::size_t index, wchar_t* buffer) const;

    void ApplyPanels();
    void ApplyFont();
    void SendPanel(std::size_t index);

    std::vector<int> widths_;
    std::vector<std::u16string> texts_;
    UniqueFont font_;
};

}  // namespace ui
