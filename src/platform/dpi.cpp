#include "platform/dpi.h"

#include "platform/system_function.h"

namespace platform {
namespace {

// shcore.dll's MONITOR_DPI_TYPE value for the effective DPI.
constexpr int kEffectiveDpi = 0;

int DpiForMonitor(HMONITOR monitor)
{
    using GetDpiForMonitorFn = HRESULT WINAPI(HMONITOR, int, UINT*, UINT*);
    static auto* const getDpiForMonitor = SystemFunction<GetDpiForMonitorFn>(L"shcore.dll", "GetDpiForMonitor");
    UINT x = 0, y = 0;
    if (getDpiForMonitor && monitor && SUCCEEDED(getDpiForMonitor(monitor, kEffectiveDpi, &x, &y)) && y > 0)
        return static_cast<int>(y);
    return SystemDpi();
}

}  // namespace

int SystemDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : kDesignDpi;
    if (screen)
        ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kDesignDpi;
}

int DpiForWindow(HWND window)
{
    using GetDpiForWindowFn = UINT WINAPI(HWND);
    static auto* const getDpiForWindow = SystemFunction<GetDpiForWindowFn>(L"user32.dll", "GetDpiForWindow");
    if (getDpiForWindow) {
        const UINT dpi = getDpiForWindow(window);
        if (dpi > 0)
            return static_cast<int>(dpi);
    }
    return DpiForMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
}

int DpiForPoint(POINT point)
{
    return DpiForMonitor(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST));
}

}  // namespace platform
