#include "ui/page_control.h"

#include <commctrl.h>

#include "platform/wide.h"
#include "ui/guarded.h"

namespace ui {

void PageControl::Create(Container& parent, int id, const Bounds& bounds)
{
    CreateChild(parent, {WC_TABCONTROLW, WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                         WS_EX_CONTROLPARENT, u"", id},
                bounds);
    SetAlign(Align::Top);
    // The pages follow the tab control whenever it changes size.
    resizing_.Attach(Handle(), &PageControl::PagesProc);
}

void PageControl::AddPage(TabSheet& page, const std::u16string& caption)
{
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    std::u16string text = caption;
    item.pszText = reinterpret_cast<wchar_t*>(text.data());
    SendMessageW(Handle(), TCM_INSERTITEMW, pages_.size(), reinterpret_cast<LPARAM>(&item));
    pages_.push_back(&page);
    PlacePages();
    ShowActivePage();
}

void PageControl::SetActivePage(int index)
{
    SendMessageW(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    ShowActivePage();
}

int PageControl::ActivePage() const
{
    return static_cast<int>(SendMessageW(Handle(), TCM_GETCURSEL, 0, 0));
}

LRESULT PageControl::OnNotify(const NMHDR& header)
{
    if (header.code == TCN_SELCHANGE)
        ShowActivePage();
    return 0;
}

void PageControl::PlacePages()
{
    RECT display;
    GetClientRect(Handle(), &display);
    SendMessageW(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    for (TabSheet* page : pages_)
        page->PlaceAt(display);
}

void PageControl::ShowActivePage()
{
    const int active = ActivePage();
    for (std::size_t i = 0; i < pages_.size(); ++i)
        ShowWindow(pages_[i]->Handle(), static_cast<int>(i) == active ? SW_SHOW : SW_HIDE);
}

LRESULT CALLBACK PageControl::PagesProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto& pages = *static_cast<PageControl*>(Control::FromHandle(window));
    return Guarded([&] {
        if (pages.Style())
            return pages.HandleStyled(window, message, wParam, lParam);
        const LRESULT result = pages.resizing_.CallOriginal(window, message, wParam, lParam);
        if (message == WM_SIZE)
            pages.PlacePages();
        return result;
    });
}

void TabSheet::Create(PageControl& pages, int id, const std::u16string& caption)
{
    CreateContainer(*pages.Parent(), pages.Handle(), L"TTabSheet", 0, {}, id);
    SetAlign(Align::Custom);
    SetText(caption);
    pages.AddPage(*this, caption);
}

}  // namespace ui
