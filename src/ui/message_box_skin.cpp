#include "ui/message_box_skin.h"

#include <algorithm>
#include <cwchar>

#include "platform/dpi.h"
#include "ui/button_skin.h"
#include "ui/skin.h"
#include "ui/style_paint.h"

namespace ui {
namespace {

// The hook waiting for the box being opened, and the style to give it.
HHOOK waitingHook = nullptr;
const core::StyleData* waitingStyle = nullptr;

class MessageBoxSkin : public Skin {
public:
    explicit MessageBoxSkin(const core::StyleData& style) : Skin(style) {}

private:
    void Paint(HWND window, HDC dc) override;
    std::optional<LRESULT> Answer(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT Colours(HDC dc);

    paint::BrushCache brushes_;
};

bool IsClass(HWND window, const wchar_t* name)
{
    wchar_t found[16] = {};
    GetClassNameW(window, found, 16);
    return _wcsicmp(found, name) == 0;
}

// The top of the buttons' row, in the box's client coordinates.
int ButtonsTop(HWND box, int fallback)
{
    int top = fallback;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsClass(child, L"Button") || !IsWindowVisible(child))
            continue;
        RECT rect;
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&rect), 2);
        top = std::min<int>(top, rect.top);
    }
    return top;
}

std::optional<LRESULT> MessageBoxSkin::Answer(UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_CTLCOLORDLG || message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN)
        return Colours(reinterpret_cast<HDC>(wParam));
    return std::nullopt;
}

LRESULT MessageBoxSkin::Colours(HDC dc)
{
    const core::Colour background = Style().ColourOf("msgbox.background");
    SetBkColor(dc, paint::Rgb(background));
    SetTextColor(dc, paint::Rgb(Style().ColourOf("msgbox.text")));
    return reinterpret_cast<LRESULT>(brushes_.Get(background));
}

void MessageBoxSkin::Paint(HWND window, HDC dc)
{
    RECT client;
    GetClientRect(window, &client);
    const int padding = paint::Scaled(Style(), "msgbox.padding", platform::DpiForWindow(window));
    const int band = std::max<int>(client.top, ButtonsTop(window, client.bottom) - padding);
    paint::Fill(dc, {client.left, client.top, client.right, band}, Style().ColourOf("msgbox.background"));
    paint::Fill(dc, {client.left, band, client.right, client.bottom}, Style().ColourOf("msgbox.button-area"));
    paint::Fill(dc, {client.left, band, client.right, band + 1}, Style().ColourOf("msgbox.separator"));
}

void SkinBox(HWND box, const core::StyleData& style)
{
    Skin::Attach(box, std::make_unique<MessageBoxSkin>(style));
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsClass(child, L"Button"))
            SkinButton(child, style);
    }
}

}  // namespace

StyledMessageBox::StyledMessageBox(const core::StyleData* style)
{
    if (!style || waitingHook)
        return;
    waitingStyle = style;
    waitingHook = SetWindowsHookExW(WH_CBT, &StyledMessageBox::OnWindowEvent, nullptr, GetCurrentThreadId());
}

StyledMessageBox::~StyledMessageBox()
{
    // The box never came, as when it could not be made.
    if (waitingHook)
        UnhookWindowsHookEx(waitingHook);
    waitingHook = nullptr;
}

LRESULT CALLBACK StyledMessageBox::OnWindowEvent(int code, WPARAM wParam, LPARAM lParam)
{
    const HHOOK hook = waitingHook;
    if (code == HCBT_ACTIVATE && IsClass(reinterpret_cast<HWND>(wParam), L"#32770")) {
        // The box is made, with its children, and not yet shown.
        SkinBox(reinterpret_cast<HWND>(wParam), *waitingStyle);
        UnhookWindowsHookEx(waitingHook);
        waitingHook = nullptr;
        return 0;
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

}  // namespace ui
