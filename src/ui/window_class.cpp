#include "ui/window_class.h"

#include "ui/guarded.h"

namespace ui {
namespace {

// The target's pointer sits in the window's own extra bytes, leaving
// GWLP_USERDATA to the control lookup that every window shares.
constexpr int kTargetSlot = 0;

MessageTarget* TargetOf(HWND window)
{
    return reinterpret_cast<MessageTarget*>(GetWindowLongPtrW(window, kTargetSlot));
}

LRESULT CALLBACK TargetWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, kTargetSlot, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    MessageTarget* target = TargetOf(window);
    if (!target)
        return DefWindowProcW(window, message, wParam, lParam);
    return Guarded([&] { return target->HandleMessage(window, message, wParam, lParam); });
}

void RegisterOnce(const wchar_t* className)
{
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExW(GetModuleHandleW(nullptr), className, &windowClass))
        return;
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = TargetWindowProc;
    windowClass.cbWndExtra = sizeof(LONG_PTR);
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className;
    RegisterClassExW(&windowClass);
}

}  // namespace

HWND CreateTargetWindow(const WindowParams& params, MessageTarget& target)
{
    RegisterOnce(params.className);
    return CreateWindowExW(params.exStyle, params.className, params.text, params.style, params.x, params.y, params.width,
                           params.height, params.parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(params.id)), GetModuleHandleW(nullptr),
                           &target);
}

void DetachTarget(HWND window) noexcept
{
    if (window)
        SetWindowLongPtrW(window, kTargetSlot, 0);
}

}  // namespace ui
