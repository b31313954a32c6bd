#pragma once
// Tabbed pages: a tab control whose pages are containers of their own.

#include <vector>

#include "ui/container.h"
#include "ui/subclass.h"

namespace ui {

class TabSheet;

class PageControl : public Control {
public:
    void Create(Container& parent, int id, const Bounds& bounds);
    void AddPage(TabSheet& page, const std::u16string& caption);
    void SetActivePage(int index);
    int ActivePage() const;

    LRESULT OnNotify(const NMHDR& header) override;
    void OnDpiChanged() override { PlacePages(); }

private:
    static LRESULT CALLBACK PagesProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleStyled(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Drawn in the style: the strip behind the tabs, the page's frame, the tabs.
    void PaintStyled(HDC dc);
    void PaintTab(HDC dc, int index, RECT tab, int dpi);
    void TrackHotTab(HWND window, LPARAM position);
    void PlacePages();
    void ShowActivePage();

    std::vector<TabSheet*> pages_;
    Subclass resizing_;
    int hotTab_ = -1;
};

class TabSheet : public Container {
public:
    void Create(PageControl& pages, int id, const std::u16string& caption);

protected:
    const char* BackgroundKey() const noexcept override { return "page.background"; }
};

}  // namespace ui
