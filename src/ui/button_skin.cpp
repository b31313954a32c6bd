#include "ui/button_skin.h"

#include <string>
#include <string_view>

#include "platform/dpi.h"
#include "ui/gdi.h"
#include "ui/window_text.h"
#include "ui/skin.h"
#include "ui/style_paint.h"

namespace ui {
namespace {

class ButtonSkin : public Skin {
public:
    explicit ButtonSkin(const core::StyleData& style) : Skin(style) {}

private:
    void Paint(HWND window, HDC target) override;
    bool DrawsAtOnce(UINT message) const override;
    bool TracksHot() const override { return true; }
    const char* StateName(HWND window) const;
};

bool ButtonSkin::DrawsAtOnce(UINT message) const
{
    switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_UPDATEUISTATE:
    case BM_SETSTATE:
    case BM_SETSTYLE:
    case BM_SETCHECK:
        return true;
    default:
        return false;
    }
}

const char* ButtonSkin::StateName(HWND window) const
{
    const auto state = static_cast<UINT>(SendMessageW(window, BM_GETSTATE, 0, 0));
    if (!IsWindowEnabled(window))
        return "disabled";
    if (state & BST_PUSHED)
        return "pressed";
    if (Hot())
        return "hot";
    if (GetFocus() == window)
        return "focused";
    if ((GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
        return "default";
    return "normal";
}

void ButtonSkin::Paint(HWND window, HDC target)
{
    RECT client;
    GetClientRect(window, &client);
    const BufferedDC dc(target, client.right, client.bottom);
    // The corners show the parent's background, as its WM_CTLCOLORBTN gives it.
    auto* behind = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(window), WM_CTLCOLORBTN,
                                                         reinterpret_cast<WPARAM>(static_cast<HDC>(dc)),
                                                         reinterpret_cast<LPARAM>(window)));
    FillRect(dc, &client, behind ? behind : GetSysColorBrush(COLOR_BTNFACE));

    const core::StyleData& style = Style();
    const int dpi = platform::DpiForWindow(window);
    const std::string_view state = StateName(window);
    paint::DrawPlate(dc, client,
                     {style.GradientOf(paint::StateKey("button", state, "background")),
                      style.ColourOf(paint::StateKey("button", state, "border")),
                      paint::Scaled(style, "button.corner-radius", dpi),
                      paint::Scaled(style, "button.border-width", dpi)});
    RECT text = client;
    if (state == "pressed")
        OffsetRect(&text, 1, 1);
    paint::Text(dc, WindowText(window), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE, style.ColourOf(paint::StateKey("button", state, "text")),
                reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)));
    if (GetFocus() == window) {
        RECT focus = client;
        const int inset = platform::ScaleForDpi(3, dpi);
        InflateRect(&focus, -inset, -inset);
        paint::FocusRect(dc, focus, style.ColourOf("focus.rectangle"));
    }
}

}  // namespace

void SkinButton(HWND button, const core::StyleData& style)
{
    Skin::Attach(button, std::make_unique<ButtonSkin>(style));
}

}  // namespace ui
