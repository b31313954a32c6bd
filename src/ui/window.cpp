#include "ui/window.h"

#include "ui/common_controls.h"
#include "ui/guarded.h"

namespace ui {
namespace {

// Tells the toolkit's subclass apart from any other on the same window.
constexpr UINT_PTR kSubclassId = 0x4C55;

}  // namespace

Window::~Window()
{
    HWND window = window_;
    const bool owned = owned_;
    Detach();
    if (owned && window && IsWindow(window))
        DestroyWindow(window);
}

void Window::Attach(HWND window, Ownership ownership)
{
    window_ = window;
    owned_ = ownership == Ownership::Owned;
    if (window)
        CommonControls().setWindowSubclass(window, &Window::Procedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

void Window::Detach() noexcept
{
    if (window_)
        CommonControls().removeWindowSubclass(window_, &Window::Procedure, kSubclassId);
    window_ = nullptr;
}

void Window::CreateOwn(const WindowParams& params)
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    if (!GetClassInfoExW(instance, params.className, &windowClass)) {
        windowClass.cbSize = sizeof windowClass;
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = &Window::AttachOnCreate;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = params.className;
        RegisterClassExW(&windowClass);
    }
    CreateWindowExW(params.exStyle, params.className, params.text, params.style, params.x, params.y, params.width,
                    params.height, params.parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(params.id)),
                    instance, this);
}

LRESULT Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return Default(message, wParam, lParam);
}

LRESULT Window::Default(UINT message, WPARAM wParam, LPARAM lParam)
{
    return CommonControls().defSubclassProc(window_, message, wParam, lParam);
}

LRESULT CALLBACK Window::AttachOnCreate(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        static_cast<Window*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams)->Attach(window);
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                   DWORD_PTR object)
{
    auto* self = reinterpret_cast<Window*>(object);
    if (message == WM_NCDESTROY) {
        const LRESULT result = CommonControls().defSubclassProc(window, message, wParam, lParam);
        self->Detach();
        return result;
    }
    return Guarded(window, [&] { return self->OnMessage(message, wParam, lParam); });
}

}  // namespace ui
