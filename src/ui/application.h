#pragma once
// The application object: the hidden application window that owns the main
// window and carries the taskbar button, the message loop, and the error box.

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/taskbar_button.h"
#include "platform/com.h"
#include "ui/form.h"
#include "ui/window_class.h"

namespace ui {

class Application : public MessageTarget {
public:
    // Takes the show command, joins the thread to OLE and creates the
    // application window, hidden.
    Application();
    ~Application() override;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    HWND Handle() const noexcept { return window_.Get(); }
    const std::u16string& Title() const noexcept { return title_; }
    void SetTitle(const std::u16string& title);
    void InitializeCom();

    // Creates the main window; the reference is set before its creation ends.
    template <class F>
    void CreateForm(F*& reference)
    {
        auto form = std::make_unique<F>();
        reference = form.get();
        AdoptMainForm(std::move(form));
    }

    // Shows the main window and runs the message loop until the quit
    // message; then destroys the main window.
    void Run();
    // Handles every message already waiting.
    void ProcessMessages();

    // The error box for the exception being handled, and for a message.
    void HandleException() noexcept;
    void ShowException(std::u16string_view message);

    void MainFormShowing();
    void MainFormHidden();

    // WM_SETTINGCHANGE and "TaskbarCreated" reach the application window.
    NotifyEvent OnSettingsChange;
    UINT TaskbarCreatedMessage() const noexcept { return taskbarCreated_; }

    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void AdoptMainForm(std::unique_ptr<Form> form);
    bool HandleOneMessage();
    bool IsDialogKey(MSG& message);
    LRESULT SystemCommand(HWND window, WPARAM command, LPARAM lParam);
    void ShutDown();

    int showCommand_;
    WindowHandle window_;
    platform::OleSession ole_;
    std::optional<platform::ComSession> com_;
    std::u16string title_;
    std::unique_ptr<Form> mainForm_;
    core::TaskbarButtonRule taskbarButton_;
    UINT taskbarCreated_;
    bool terminated_ = false;
    bool mainFormShown_ = false;
};

// The one application object, from its creation to its end.
Application& App();

}  // namespace ui
