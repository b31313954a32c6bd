#pragma once
// System metrics and fonts at a given pixels per inch. Windows 10 answers for
// any scale; older Windows know only the system's, which is then scaled.

#include <windows.h>

namespace platform {

// A system metric, such as SM_CXICON, at the given pixels per inch.
int MetricForDpi(int metric, int dpi);

// The system's status-bar font at the given pixels per inch.
LOGFONTW StatusFont(int dpi);
// The system's menu font at the given pixels per inch.
LOGFONTW MenuFont(int dpi);

}  // namespace platform
