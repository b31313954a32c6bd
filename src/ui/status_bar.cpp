#include "ui/status_bar.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/dpi.h"
#include "platform/system_metrics.h"
#include "ui/container.h"
#include "ui/style_paint.h"

namespace ui {
namespace {

constexpr core::ColourKey kTopLine("statusbar.top-line");
constexpr core::GradientKey kBackground("statusbar.background");
constexpr core::ColourKey kSeparator("statusbar.separator");
constexpr core::ColourKey kText("statusbar.text");
constexpr core::MetricKey kPadding("statusbar.padding");

}  // namespace

void StatusBar::Create(Container& parent, int id, const Bounds& bounds, std::vector<int> panelWidths)
{
    SetTakesParentFont(false);
    // In a style the bar has no divider of the system's colours above it.
    const DWORD divider = parent.Style() ? DWORD{CCS_NODIVIDER} : 0;
    CreateChild(parent, {STATUSCLASSNAMEW, WS_VISIBLE | CCS_NOPARENTALIGN | CCS_NORESIZE | divider, 0, u"", id},
                bounds);
    SetAlign(Align::Bottom);
    // Round and between the panels the bar shows this colour.
    if (Style())
        SendMessageW(Handle(), SB_SETBKCOLOR, 0, static_cast<LPARAM>(paint::Rgb(Style()->ColourOf(kTopLine))));
    widths_ = std::move(panelWidths);
    texts_.assign(widths_.size(), std::u16string());
    ApplyFont();
    ApplyPanels();
    for (std::size_t i = 0; i < texts_.size(); ++i)
        SendPanel(i);
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
    SendPanel(index);
}

void StatusBar::SendPanel(std::size_t index)
{
    // An owner-drawn panel keeps the text's address as its item data.
    const WPARAM kind = Style() ? SBT_OWNERDRAW | SBT_NOBORDERS : 0;
    SendMessageW(Handle(), SB_SETTEXTW, index | kind, reinterpret_cast<LPARAM>(texts_[index].c_str()));
}

LRESULT StatusBar::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (Style() && wParam < texts_.size()) {
        switch (message) {
        case SB_GETTEXTLENGTHW:
            return PanelTextLength(wParam);
        case SB_GETTEXTW:
            return CopyPanelText(wParam, reinterpret_cast<wchar_t*>(lParam));
        default:
            break;
        }
    }
    return Default(message, wParam, lParam);
}

// The length in the low word, the way of drawing in the high one: borderless.
LRESULT StatusBar::PanelTextLength(std::size_t index) const
{
    return MAKELRESULT(static_cast<WORD>(texts_[index].size()), SBT_NOBORDERS);
}

LRESULT StatusBar::CopyPanelText(std::size_t index, wchar_t* buffer) const
{
    if (buffer) {
        const std::u16string& text = texts_[index];
        std::copy(text.begin(), text.end(), buffer);
        buffer[text.size()] = L'\0';
    }
    return PanelTextLength(index);
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

void StatusBar::DrawItem(const DRAWITEMSTRUCT& item)
{
    const core::StyleData& style = *Style();
    RECT bar;
    GetClientRect(Handle(), &bar);
    const RECT& panel = item.rcItem;
    {
        // One gradient runs down the whole bar; each panel shows its part of it.
        const SavedDC saved(item.hDC);
        IntersectClipRect(item.hDC, panel.left, panel.top, panel.right, panel.bottom);
        paint::FillGradient(item.hDC, {panel.left, bar.top, panel.right, bar.bottom},
                            style.GradientOf(kBackground));
    }
    const int padding = paint::Scaled(style, kPadding, Dpi());
    if (item.itemID + 1 < texts_.size())
        paint::Fill(item.hDC, {panel.right - 1, panel.top, panel.right, panel.bottom},
                    style.ColourOf(kSeparator));
    RECT text = {panel.left + padding, panel.top, panel.right - padding, panel.bottom};
    paint::Text(item.hDC, texts_.at(item.itemID), text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX,
                style.ColourOf(kText), font_.get());
}

}  // namespace ui
