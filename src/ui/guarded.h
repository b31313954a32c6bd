#pragma once
// Every entry from the system into the program's handlers passes through
// here: an error that escapes a handler is reported and the program goes on.
// The report travels as a message to the last owner of the top-level window
// of the window the handler ran for. That is the application window, which
// owns every other window of the program and shows the error box.

#include <windows.h>

namespace ui {

// Sent with the address of a std::exception_ptr as lParam; the window that
// reported the error answers it with a non-zero value.
inline constexpr UINT kReportErrorMessage = WM_APP + 0x4C;

// Reports the exception being handled (call it inside a catch block) that
// ended a handler for the window.
void ReportCurrentException(HWND window) noexcept;

template <class Body>
LRESULT Guarded(HWND window, Body&& body) noexcept
{
    try {
        return body();
    } catch (...) {
        ReportCurrentException(window);
        return 0;
    }
}

}  // namespace ui
