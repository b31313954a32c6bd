#pragma once
// Every entry from the system into the program's handlers passes through
// here: an error that escapes a handler is reported and the program goes on.

#include <windows.h>

namespace ui {

// Reports the exception being handled (call it inside a catch block).
void ReportCurrentException() noexcept;

template <class Body>
LRESULT Guarded(Body&& body) noexcept
{
    try {
        return body();
    } catch (...) {
        ReportCurrentException();
        return 0;
    }
}

}  // namespace ui
