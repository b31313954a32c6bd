#pragma once
// Places in a window's non-client area, which is measured from the window's
// own top-left corner, and the screen points its messages carry.

#include <windows.h>

namespace ui {

// The client area, from the window's top-left corner.
inline RECT ClientInWindow(HWND window)
{
    RECT client, outer;
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    GetWindowRect(window, &outer);
    OffsetRect(&client, -outer.left, -outer.top);
    return client;
}

// The screen point of a non-client mouse message or WM_NCHITTEST.
inline POINT ScreenPoint(LPARAM lParam)
{
    return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

}  // namespace ui
