#include "ui/status_bar.h"

#include <commctrl.h>

#include "platform/dpi.h"
#include "platform/system_metrics.h"
#include "ui/status_bar_skin.h"

namespace ui {

void StatusBar::Create(Container& parent, int id, const Bounds& bounds, std::vector<int> panelWidths)
{
    SetTakesParentFont(false);
    CreateChild(parent, {STATUSCLASSNAMEW, WS_VISIBLE | CCS_NOPARENTALIGN | CCS_NORESIZE, 0, u"", id}, bounds);
    SetAlign(Align::Bottom);
    if (Style())
        SkinStatusBar(Handle(), *Style());
    widths_ = std::move(panelWidths);
    texts_.assign(widths_.size(), std::u16string());
    ApplyFont();
    ApplyPanels();
}

void StatusBar::OnDpiChanged()
{
    ApplyFont();
    ApplyPanels();
}

void StatusBar::ApplyFont()
{
    const LOGFONTW font = platform::StatusFont(Dpi());
    font_.reset(CreateFontIndirectW(&font));
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
}

void StatusBar::SetPanelText(std::size_t index, const std::u16string& text)
{
    if (texts_.at(index) == text)
        return;
    texts_[index] = text;
    SendMessageW(Handle(), SB_SETTEXTW, index, reinterpret_cast<LPARAM>(texts_[index].c_str()));
}

void StatusBar::ApplyPanels()
{
    std::vector<int> rightEdges;
    int right = 0;
    for (const int width : widths_) {
        right += platform::ScaleForDpi(width, Dpi());
        rightEdges.push_back(right);
    }
    if (!rightEdges.empty())
        rightEdges.back() = -1;
    SendMessageW(Handle(), SB_SETPARTS, rightEdges.size(), reinterpret_cast<LPARAM>(rightEdges.data()));
}

}  // namespace ui
