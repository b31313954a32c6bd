#pragma once
// The notification-area icon: one NOTIFYICONDATAW kept for the icon's life
// and sent as it stands at every change, the application window receiving
// its callback and the shell's broadcasts, a popup menu on the right button
// and a double-click action.

#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <optional>
#include <string>

#include "ui/app_window.h"
#include "ui/gdi.h"
#include "ui/object.h"

namespace ui {

class PopupMenu;

class TrayIcon : public Object, private AppWindowClient {
public:
    // The icon of the application window, which gets its callback; the tip
    // starts as the window's title. Nothing is shown yet.
    TrayIcon(AppWindow& window, PopupMenu& menu);
    // The icon leaves the notification area.
    ~TrayIcon() override;
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // A new tip (compared case-sensitively) is kept and, while the icon is
    // shown, sent.
    void SetHint(const std::u16string& hint);
    // Takes a copy of the icon.
    void SetIcon(HICON icon);
    void SetVisible(bool visible);
    void ShowBalloonNotice(const std::u16string& title, const std::u16string& text, std::int32_t timeoutMs);

    NotifyEvent OnDblClick;

private:
    std::optional<LRESULT> OnAppMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Callback(LPARAM lParam);
    void OpenMenu();
    void Send(DWORD request);

    AppWindow& window_;
    PopupMenu& menu_;
    NOTIFYICONDATAW record_ = {};
    UniqueIcon icon_;
    std::u16string tip_;
    bool visible_ = false;
};

}  // namespace ui
