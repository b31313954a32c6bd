#include "ui/message_loop.h"

namespace ui {
namespace {

bool IsDialogKey(MSG& message)
{
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST || !message.hwnd)
        return false;
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    return root && SendMessageW(root, kDialogKeyMessage, 0, reinterpret_cast<LPARAM>(&message)) != 0;
}

void HandOn(MSG& message)
{
    if (IsDialogKey(message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

}  // namespace

void RunMessageLoop()
{
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        HandOn(message);
}

void ProcessPendingMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        HandOn(message);
    }
}

}  // namespace ui
