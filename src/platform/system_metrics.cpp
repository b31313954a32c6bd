#include "platform/system_metrics.h"

#include "platform/dpi.h"
#include "platform/system_function.h"

namespace platform {

int MetricForDpi(int metric, int dpi)
{
    using MetricsForDpiFn = int WINAPI(int, UINT);
    static auto* const metricsForDpi = SystemFunction<MetricsForDpiFn>(L"user32.dll", "GetSystemMetricsForDpi");
    if (metricsForDpi)
        return metricsForDpi(metric, static_cast<UINT>(dpi));
    // Older Windows give the metric at the system's scale, whatever the monitor's.
    return MulDiv(GetSystemMetrics(metric), dpi, SystemDpi());
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
