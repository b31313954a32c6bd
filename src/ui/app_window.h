#pragma once
// The program's one hidden window, the application window: it owns the
// main window and carries the taskbar button, receives the notification
// icon's callback and the shell's broadcasts, owns the popup menu, hosts
// the timers, and shows the error box for an error in any window it owns.
// The parts that live on it are handed it when they are made.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "core/style_data.h"
#include "core/taskbar_button.h"
#include "ui/error_box.h"
#include "ui/object.h"
#include "ui/window.h"

namespace ui {

// A part of the program that the application window's messages are for:
// a timer, the notification icon, its menu, the main window. A message it
// leaves (nothing returned) goes on to the others and to the window.
class AppWindowClient {
public:
    virtual std::optional<LRESULT> OnAppMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

protected:
    ~AppWindowClient() = default;
};

class AppWindow : public Window {
public:
    AppWindow();

    const std::u16string& Title() const noexcept { return title_; }
    void SetTitle(const std::u16string& title);
    // The style the error box is drawn in, or null for the system's look.
    void SetStyle(const core::StyleData* style) noexcept { errors_.SetStyle(style); }
    // Gives the window a taskbar button from now on, for the main window.
    void CarryTaskbarButton();

    void AddClient(AppWindowClient& client);
    void RemoveClient(AppWindowClient& client) noexcept;
    // A timer identifier of the window not yet given out.
    UINT_PTR NewTimerId() noexcept { return ++lastTimerId_; }
    UINT TaskbarCreatedMessage() const noexcept { return taskbarCreated_; }

    // The taskbar button goes and comes with the main window.
    void MainWindowShowing();
    void MainWindowHidden();

    // The window's own handling of a message, for a client that acts after it.
    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) { return Default(message, wParam, lParam); }

    // WM_SETTINGCHANGE and "TaskbarCreated".
    NotifyEvent OnSettingsChange;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::u16string title_;
    ErrorBox errors_;
    std::vector<AppWindowClient*> clients_;
    core::TaskbarButtonRule taskbarButton_;
    UINT taskbarCreated_;
    UINT_PTR lastTimerId_ = 0;
};

}  // namespace ui
