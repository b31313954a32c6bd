#pragma once
// Pixels per inch of a window's or a point's monitor. Windows before 8.1 have
// one system-wide value, which is the fallback.

#include <windows.h>

namespace platform {

inline constexpr int kDesignDpi = 96;

int SystemDpi();
int DpiForWindow(HWND window);
int DpiForPoint(POINT point);

// A length laid out at 96 pixels per inch, at the given pixels per inch.
inline int ScaleForDpi(int length, int dpi)
{
    return MulDiv(length, dpi, kDesignDpi);
}

}  // namespace platform
