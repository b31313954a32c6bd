#include "platform/notification_icon.h"

#include "platform/system_function.h"

namespace platform {

HICON LoadNotificationIcon(HINSTANCE instance, int resourceId)
{
    // LoadIconMetric's LIM_SMALL: the shell's own choice of image and size.
    // The common controls 6 have it; without them the small-icon metric,
    // which a per-monitor aware process gets at the system's scale, as the
    // shell draws its icons.
    using LoadIconMetricFn = HRESULT WINAPI(HINSTANCE, PCWSTR, int, HICON*);
    constexpr int kSmallIcon = 0;
    static auto* const loadIconMetric = SystemFunction<LoadIconMetricFn>(L"comctl32.dll", "LoadIconMetric");
    HICON icon = nullptr;
    if (loadIconMetric && SUCCEEDED(loadIconMetric(instance, MAKEINTRESOURCEW(resourceId), kSmallIcon, &icon)))
        return icon;
    const int size = GetSystemMetrics(SM_CXSMICON);
    return static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(resourceId), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

}  // namespace platform
