#pragma once
// The notification-area icon: one NOTIFYICONDATAW kept for the icon's life,
// a notification window that receives the icon's callback and the shell's
// broadcasts, a popup menu on the right button and a double-click action.

#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <string>

#include "core/notify_icon.h"
#include "ui/gdi.h"
#include "ui/object.h"
#include "ui/window_class.h"
#include "ui/window_handle.h"

namespace ui {

class PopupMenu;

class TrayIcon : public Object, private core::NotifyShell, private MessageTarget {
public:
    explicit TrayIcon(PopupMenu& menu);
    ~TrayIcon() override;
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    void SetHint(const std::u16string& hint) { state_.SetTip(hint); }
    // Takes a copy of the icon.
    void SetIcon(HICON icon);
    void SetVisible(bool visible) { state_.SetVisible(visible); }
    void ShowBalloonNotice(const std::u16string& title, const std::u16string& text, std::int32_t timeoutMs)
    {
        state_.ShowBalloon(title, text, timeoutMs);
    }

    HWND NotificationWindow() const noexcept { return window_.Get(); }

    NotifyEvent OnDblClick;

private:
    void Send(core::ShellRequest request, const core::NotifyRecord& record) override;
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    void IconCallback(LPARAM lParam);
    void OpenMenu();

    PopupMenu& menu_;
    WindowHandle window_;
    UINT taskbarCreated_;
    std::unique_ptr<NOTIFYICONDATAW> data_;
    UniqueIcon icon_;
    core::NotifyIconState state_;
};

}  // namespace ui
