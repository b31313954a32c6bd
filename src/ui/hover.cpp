#include "ui/hover.h"

namespace ui {

void RequestLeaveMessage(HWND window, HoverArea area) noexcept
{
    if (area == HoverArea::Captured)
        return;
    TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, window, 0};
    if (area == HoverArea::NonClient)
        track.dwFlags |= TME_NONCLIENT;
    TrackMouseEvent(&track);
}

}  // namespace ui
