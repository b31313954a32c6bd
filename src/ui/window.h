#pragma once
// The one way the toolkit ties an object to a window, for windows of its own
// classes and for the system's controls alike: comctl32's window subclass,
// with the object as its reference data. The object sees every message
// first; what it leaves goes on to the window's own procedure.

#include <windows.h>

namespace ui {

struct WindowParams {
    const wchar_t* className;
    DWORD style = 0;
    DWORD exStyle = 0;
    const wchar_t* text = L"";
    int x = 0, y = 0, width = 0, height = 0;
    HWND parent = nullptr;
    int id = 0;
};

class Window {
public:
    Window() = default;
    // The window goes with its object: detached first, so that the
    // object's half-destroyed parts see none of the last messages.
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const noexcept { return window_; }

protected:
    // Attaches the object to a window that already exists, such as a
    // system control just made. A window the object does not own, such as
    // a part another control made, is left to its owner to destroy.
    enum class Ownership { Owned, Borrowed };
    void Attach(HWND window, Ownership ownership = Ownership::Owned);
    // Makes a window of a class of the toolkit's own, registered on first
    // use, attached from its WM_NCCREATE on.
    void CreateOwn(const WindowParams& params);

    // Decodes one message; what it does not handle goes to Default.
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The window's own procedure: the system control's, or DefWindowProcW.
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR object);
    static LRESULT CALLBACK AttachOnCreate(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Detach() noexcept;

    HWND window_ = nullptr;
    bool owned_ = false;
};

}  // namespace ui
