#include "ui/guarded.h"

#include <exception>

namespace ui {

void ReportCurrentException(HWND window) noexcept
{
    std::exception_ptr error = std::current_exception();
    // GA_ROOTOWNER stops at an owned window without WS_POPUP, as the main
    // window is: the owners are followed from the top-level window up.
    HWND reporter = GetAncestor(window, GA_ROOT);
    while (HWND owner = reporter ? GetWindow(reporter, GW_OWNER) : nullptr)
        reporter = owner;
    if (reporter)
        SendMessageW(reporter, kReportErrorMessage, 0, reinterpret_cast<LPARAM>(&error));
}

}  // namespace ui
