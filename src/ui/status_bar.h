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

private:
    void ApplyPanels();
    void ApplyFont();
    void SendPanel(std::size_t index);

    std::vector<int> widths_;
    std::vector<std::u16string> texts_;
    UniqueFont font_;
};

}  // namespace ui
