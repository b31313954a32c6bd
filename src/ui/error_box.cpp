#include "ui/error_box.h"

#include <new>
#include <vector>

#include "core/error.h"
#include "core/error_text.h"
#include "core/text.h"
#include "platform/wide.h"
#include "ui/message_box_style.h"

namespace ui {
namespace {

// Every other window of the program is disabled while an error box is open,
// and enabled again afterwards.
class OtherWindowsDisabled {
public:
    explicit OtherWindowsDisabled(HWND keep) : keep_(keep)
    {
        EnumThreadWindows(GetCurrentThreadId(), &OtherWindowsDisabled::Collect, reinterpret_cast<LPARAM>(this));
        for (HWND window : disabled_)
            EnableWindow(window, FALSE);
    }
    ~OtherWindowsDisabled()
    {
        for (HWND window : disabled_) {
            if (IsWindow(window))
                EnableWindow(window, TRUE);
        }
    }
    OtherWindowsDisabled(const OtherWindowsDisabled&) = delete;
    OtherWindowsDisabled& operator=(const OtherWindowsDisabled&) = delete;

private:
    static BOOL CALLBACK Collect(HWND window, LPARAM self)
    {
        auto& disabler = *reinterpret_cast<OtherWindowsDisabled*>(self);
        if (window != disabler.keep_ && IsWindowVisible(window) && IsWindowEnabled(window))
            disabler.disabled_.push_back(window);
        return TRUE;
    }

    HWND keep_;
    std::vector<HWND> disabled_;
};

}  // namespace

void ErrorBox::ShowException(std::exception_ptr error, HWND fallbackOwner) noexcept
{
    try {
        try {
            std::rethrow_exception(error);
        } catch (const core::Error& known) {
            Show(known.Message(), fallbackOwner);
        } catch (const std::bad_alloc&) {
            Show(u"Out of memory", fallbackOwner);
        } catch (const std::exception& other) {
            Show(core::FromAscii(other.what()), fallbackOwner);
        } catch (...) {
            Show(u"Unexpected error", fallbackOwner);
        }
    } catch (...) {
        // Nothing is left to report an error of the report with.
    }
}

void ErrorBox::Show(std::u16string_view message, HWND fallbackOwner)
{
    const std::u16string text = core::ErrorBoxText(message);
    HWND active = GetActiveWindow();
    HWND focus = GetFocus();
    HWND owner = active ? active : fallbackOwner;
    if (HWND capture = GetCapture())
        SendMessageW(capture, WM_CANCELMODE, 0, 0);
    {
        const OtherWindowsDisabled disabled(owner);
        const StyledMessageBox styled(style_);
        MessageBoxW(owner, platform::Wide(text), platform::Wide(title_), MB_OK | MB_ICONSTOP);
    }
    if (active && IsWindow(active))
        SetActiveWindow(active);
    if (focus && IsWindow(focus))
        SetFocus(focus);
}

}  // namespace ui
