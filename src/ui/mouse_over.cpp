#include "ui/mouse_over.h"

namespace ui {

bool MouseOver::Update(HWND window, UINT message) noexcept
{
    if (message != WM_MOUSEMOVE && message != WM_MOUSELEAVE)
        return false;
    const bool over = message == WM_MOUSEMOVE;
    if (over == over_)
        return false;
    over_ = over;
    if (over) {
        TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, window, 0};
        TrackMouseEvent(&track);
    }
    return true;
}

}  // namespace ui
