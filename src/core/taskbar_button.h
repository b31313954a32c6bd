#pragma once
// When the application window, which carries the taskbar button, is shown
// with the main window and hidden with it. Each change is made only while the
// window's actual visibility is still what this rule last set, so once the
// button has been hidden directly, nothing here brings it back.

namespace core {

class TaskbarButtonRule {
public:
    // Asked when the main window is shown for the first time.
    bool ShowWithMainWindow(bool actuallyVisible) noexcept { return Change(actuallyVisible, true); }
    // Asked when the main window is hidden at shutdown.
    bool HideWithMainWindow(bool actuallyVisible) noexcept { return Change(actuallyVisible, false); }

private:
    bool Change(bool actuallyVisible, bool visible) noexcept
    {
        if (actuallyVisible != lastSet_)
            return false;
        lastSet_ = visible;
        return true;
    }

    bool lastSet_ = false;
};

}  // namespace core
