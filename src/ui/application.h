#pragma once
// The application: the thread joined to OLE, the application window, the
// style, the main window, and the message loop that runs them.

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/style_data.h"
#include "platform/com.h"
#include "ui/app_window.h"
#include "ui/form.h"

namespace ui {

class Application {
public:
    // Takes the show command, joins the thread to OLE and creates the
    // application window, hidden.
    Application();
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    void SetTitle(const std::u16string& title) { window_.SetTitle(title); }
    void InitializeCom();

    // Makes the first style of that name the one the main window is drawn
    // in; without it, the error dialog and the system's look. Under a
    // high-contrast theme no style is used.
    void ApplyStyle(std::u16string_view name);

    // Creates the main window on the application window, in the style; the
    // reference is set before its creation ends.
    template <class F>
    void CreateForm(F*& reference)
    {
        auto form = std::make_unique<F>(window_, style_);
        reference = form.get();
        mainForm_ = std::move(form);
        window_.CarryTaskbarButton();
    }

    // Shows the main window and runs the message loop until the quit
    // message; then destroys the main window.
    void Run();

private:
    void ShutDown();

    int showCommand_;
    platform::OleSession ole_;
    std::optional<platform::ComSession> com_;
    AppWindow window_;
    const core::StyleData* style_ = nullptr;
    std::unique_ptr<Form> mainForm_;
};

}  // namespace ui
