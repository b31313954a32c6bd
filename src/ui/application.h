#pragma once
// The application object and its window, the program's one hidden window:
// it owns the main window and carries the taskbar button, receives the
// notification icon's callback and the shell's broadcasts, owns the popup
// menu and hosts the timers. Also the message loop and the error box.

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/style_data.h"
#include "core/taskbar_button.h"
#include "platform/com.h"
#include "ui/form.h"
#include "ui/window.h"

namespace ui {

// A part of the program that the application window's messages are for:
// a timer, the notification icon, its menu. A message it leaves (nothing
// returned) goes on to the others and to the application.
class AppWindowClient {
public:
    virtual std::optional<LRESULT> OnAppMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

protected:
    ~AppWindowClient() = default;
};

class Application : public Window {
public:
    // Takes the show command, joins the thread to OLE and creates the
    // application window, hidden.
    Application();
    ~Application() override;

    const std::u16string& Title() const noexcept { return title_; }
    void SetTitle(const std::u16string& title);
    void InitializeCom();

    // Makes the first style of that name the one the main window is drawn
    // in; without it, the error dialog and the system's look. Under a
    // high-contrast theme no style is used.
    void ApplyStyle(std::u16string_view name);

    // Creates the main window in the style; the reference is set before its
    // creation ends.
    template <class F>
    void CreateForm(F*& reference)
    {
        auto form = std::make_unique<F>(style_);
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

    void AddClient(AppWindowClient& client);
    void RemoveClient(AppWindowClient& client) noexcept;
    // A timer identifier of the application window not yet given out.
    UINT_PTR NewTimerId() noexcept { return ++lastTimerId_; }
    UINT TaskbarCreatedMessage() const noexcept { return taskbarCreated_; }

    // WM_SETTINGCHANGE and "TaskbarCreated".
    NotifyEvent OnSettingsChange;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void AdoptMainForm(std::unique_ptr<Form> form);
    bool HandleOneMessage();
    bool IsDialogKey(MSG& message);
    LRESULT SystemCommand(WPARAM command, LPARAM lParam);
    void ShutDown();

    int showCommand_;
    platform::OleSession ole_;
    std::optional<platform::ComSession> com_;
    std::u16string title_;
    const core::StyleData* style_ = nullptr;
    std::unique_ptr<Form> mainForm_;
    std::vector<AppWindowClient*> clients_;
    core::TaskbarButtonRule taskbarButton_;
    UINT taskbarCreated_;
    UINT_PTR lastTimerId_ = 0;
    bool terminated_ = false;
    bool mainFormShown_ = false;
};

// The one application object, from its creation to its end.
Application& App();

}  // namespace ui
