#include "platform/system_metrics.h"

#include "platform/dpi.h"
#include "platform/system_function.h"

namespace platform {

void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi)
{
    using AdjustForDpiFn = BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT);
    static auto* const adjustForDpi =
        SystemFunction<AdjustForDpiFn>(L"user32.dll", "AdjustWindowRectExForDpi");
    if (adjustForDpi && adjustForDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi)))
        return;
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
}

LOGFONTW StatusFont(int dpi)
{
    using ParametersForDpiFn = BOOL WINAPI(UINT, UINT, void*, UINT, UINT);
    static auto* const parametersForDpi =
        SystemFunction<ParametersForDpiFn>(L"user32.dll", "SystemParametersInfoForDpi");
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof metrics;
    if (parametersForDpi &&
        parametersForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi)))
        return metrics.lfStatusFont;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    const int systemDpi = SystemDpi();
    if (systemDpi != dpi)
        metrics.lfStatusFont.lfHeight = MulDiv(metrics.lfStatusFont.lfHeight, dpi, systemDpi);
    return metrics.lfStatusFont;
}

}  // namespace platform
