#include "ui/group_box.h"

#include "ui/gdi.h"

namespace ui {
namespace {

constexpr core::ColourKey kBackground("group.background");
constexpr core::MetricKey kCornerRadius("group.corner-radius");
constexpr core::ColourKey kBorder("group.border");
constexpr core::ColourKey kHighlight("group.highlight");

}  // namespace

void GroupBox::Create(Container& parent, int id, const Bounds& bounds)
{
    // Styled, the frame's background is erased around the children, not
    // under them. It is made filling what its parent's other controls leave.
    CreateOwnChild(parent, parent.Handle(),
                   {L"TGroupBox", DWORD{WS_VISIBLE} | (parent.Style() ? DWORD{WS_CLIPCHILDREN} : 0), WS_EX_CONTROLPARENT,
                    u"", id, parent.AreaLeft()},
                   bounds);
    SetAlign(Align::Client);
}

void GroupBox::Paint(HDC dc, const RECT& client)
{
    // The frame's top edge runs through the middle of where a title's first
    // line would stand, as it does for a frame that has one.
    const SelectedObject font(dc, Font());
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    RECT frame = client;
    frame.top += metrics.tmHeight / 2 - 1;
    if (Style())
        return PaintStyled(dc, frame);
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
}

void GroupBox::PaintStyled(HDC dc, const RECT& frame)
{
    // Etched as the system's frame is: the line, and its highlight one pixel
    // below and to the right.
    const int radius = paint::Scaled(*Style(), kCornerRadius, Dpi());
    paint::DrawRoundedOutline(dc, {frame.left + 1, frame.top + 1, frame.right, frame.bottom}, radius,
                              Style()->ColourOf(kHighlight));
    paint::DrawRoundedOutline(dc, {frame.left, frame.top, frame.right - 1, frame.bottom - 1}, radius,
                              Style()->ColourOf(kBorder));
}

core::ColourKey GroupBox::BackgroundKey() const noexcept
{
    return kBackground;
}

}  // namespace ui
