#pragma once
// The thread's message loop, the one place besides a pause for pending
// messages that takes messages off the queue. A keyboard message is first
// offered to the top-level window it is meant for, as its dialog keys:
// Tab moves through the controls in the window's own order, Enter presses
// the default button, and so on.

#include <windows.h>

namespace ui {

// Sent to a top-level window with the address of a keyboard message meant
// for it or one of its controls, before the message is translated; a
// non-zero answer means the window took it as a dialog key.
inline constexpr UINT kDialogKeyMessage = WM_APP + 0x4D;

// Hands on messages until the quit message comes.
void RunMessageLoop();

// Hands on every message already waiting. A quit message among them is left
// for the loop, and ends the pause.
void ProcessPendingMessages();

}  // namespace ui
