#pragma once
// Tabbed pages: a tab control whose pages are containers of their own. In a
// style the tab control is drawn whole in its own WM_PAINT, the strip, the
// page's frame and the tabs: its owner-drawn tabs would leave the edges and
// the frame to the system.

#include <vector>

#include "ui/container.h"
#include "ui/hover.h"

namespace ui {

class TabSheet;

class PageControl : public Control {
public:
    void Create(Container& parent, int id, const Bounds& bounds);
    // A tab for a page about to be made; true if it is the selected one.
    bool AddTab(const std::u16string& caption);
    // Where the pages are shown, in the tab control's client area.
    RECT PageArea() const;
    void AddPage(TabSheet& page);
    void SetActivePage(int index);
    int ActivePage() const;

    LRESULT OnNotify(const NMHDR& header) override;
    // The pages are the tab control's child windows, but controls of their
    // own: what is on them is theirs.
    bool Owns(HWND window) const noexcept override;
    void OnDpiChanged() override { PlacePages(); }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint();
    void PaintTab(HDC dc, int index, RECT tab);
    void TrackHotTab(LPARAM position);
    void PlacePages();
    void ShowActivePage();

    std::vector<TabSheet*> pages_;
    Hover<int> hotTab_{HoverArea::Client, -1};
};

class TabSheet : public Container {
public:
    void Create(PageControl& pages, int id, const std::u16string& caption);

protected:
    core::ColourKey BackgroundKey() const noexcept override;
};

}  // namespace ui
