#include "ui/group_box.h"

#include "ui/gdi.h"

namespace ui {

void GroupBox::Create(Container& parent, int id, const Bounds& bounds)
{
    CreateContainer(parent, parent.Handle(), L"TGroupBox", WS_VISIBLE, bounds, id);
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
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
}

}  // namespace ui
