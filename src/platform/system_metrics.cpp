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

namespace {

// The fonts of the system's window parts, scaled by hand where the system
// knows only its own scale.
NONCLIENTMETRICSW NonClientMetrics(int dpi)
{
    using ParametersForDpiFn = BOOL WINAPI(UINT, UINT, void*, UINT, UINT);
    static auto* const parametersForDpi =
        SystemFunction<ParametersForDpiFn>(L"user32.dll", "SystemParametersInfoForDpi");
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof metrics;
    if (parametersForDpi &&
        parametersForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi)))
        return metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    const int systemDpi = SystemDpi();
    if (systemDpi != dpi) {
        metrics.lfStatusFont.lfHeight = MulDiv(metrics.lfStatusFont.lfHeight, dpi, systemDpi);
        metrics.lfMenuFont.lfHeight = MulDiv(metrics.lfMenuFont.lfHeight, dpi, systemDpi);
    }
    return metrics;
}

}  // namespace

LOGFONTW StatusFont(int dpi)
{
    return NonClientMetrics(dpi).lfStatusFont;
}

LOGFONTW MenuFont(int dpi)
{
    return NonClientMetrics(dpi).lfMenuFont;
}

}  // namespace platform
