#pragma once
// Whether the program runs with administrator rights.

namespace platform {

// True when the process's token is elevated: an administrator's full token,
// with or without User Account Control. False for a standard user, for an
// administrator's filtered token, and when the token cannot be asked.
bool ProcessIsElevated();

}  // namespace platform
