#include "ui/button.h"

#include <cwchar>

#include "platform/dpi.h"
#include "ui/container.h"
#include "ui/gdi.h"
#include "ui/shared_style_keys.h"
#include "ui/style_paint.h"
#include "ui/window_text.h"

namespace ui {
namespace {

constexpr core::MetricKey kCornerRadius("button.corner-radius");
constexpr core::MetricKey kBorderWidth("button.border-width");
constexpr paint::PlateKeys kNormalButton = {core::GradientKey("button.normal.background"),
                                            core::ColourKey("button.normal.border"),
                                            core::ColourKey("button.normal.text")};
constexpr paint::PlateKeys kHotButton = {core::GradientKey("button.hot.background"),
                                         core::ColourKey("button.hot.border"),
                                         core::ColourKey("button.hot.text")};
constexpr paint::PlateKeys kPressedButton = {core::GradientKey("button.pressed.background"),
                                             core::ColourKey("button.pressed.border"),
                                             core::ColourKey("button.pressed.text")};
constexpr paint::PlateKeys kFocusedButton = {core::GradientKey("button.focused.background"),
                                             core::ColourKey("button.focused.border"),
                                             core::ColourKey("button.focused.text")};
constexpr paint::PlateKeys kDefaultButton = {core::GradientKey("button.default.background"),
                                             core::ColourKey("button.default.border"),
                                             core::ColourKey("button.default.text")};
constexpr paint::PlateKeys kDisabledButton = {core::GradientKey("button.disabled.background"),
                                              core::ColourKey("button.disabled.border"),
                                              core::ColourKey("button.disabled.text")};

// The focused button is the one Enter presses, as in dialogs: it shows as
// the default button, and with its focus cue when the keyboard is in use.
const paint::PlateKeys& KeysFor(UINT state, bool hot)
{
    if (state & ODS_DISABLED)
        return kDisabledButton;
    if (state & ODS_SELECTED)
        return kPressedButton;
    if (hot)
        return kHotButton;
    if (state & ODS_FOCUS)
        return (state & ODS_NOFOCUSRECT) ? kDefaultButton : kFocusedButton;
    return kNormalButton;
}

}  // namespace

void Button::Create(Container& parent, int id, const Bounds& bounds, const std::u16string& caption)
{
    const DWORD kind = parent.Style() ? BS_OWNERDRAW : BS_PUSHBUTTON;
    CreateChild(parent, {L"Button", WS_VISIBLE | WS_TABSTOP | kind, 0, caption, id}, bounds);
}

void Button::Click()
{
    if (OnClick)
        OnClick(this);
}

void Button::OnCommand(WORD code)
{
    if (code == BN_CLICKED)
        Click();
}

LRESULT Button::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (Style() && mouse_.Update(Handle(), message))
        InvalidateRect(Handle(), nullptr, FALSE);
    // An owner-drawn button only reports a double-click (BN_DOUBLECLICKED);
    // the system's push button takes the second press as a press, clicked
    // when released over it.
    if (message == WM_LBUTTONDBLCLK && Style())
        message = WM_LBUTTONDOWN;
    return Default(message, wParam, lParam);
}

void Button::DrawItem(const DRAWITEMSTRUCT& item)
{
    DrawStyledPushButton(item, *Style(), mouse_.Over());
}

void DrawStyledPushButton(const DRAWITEMSTRUCT& item, const core::StyleData& style, bool hot)
{
    HWND window = item.hwndItem;
    const RECT& client = item.rcItem;
    const BufferedDC dc(item.hDC, client.right, client.bottom);
    // The corners show the parent's background, as its WM_CTLCOLORBTN gives it.
    auto* behind = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(window), WM_CTLCOLORBTN,
                                                         reinterpret_cast<WPARAM>(static_cast<HDC>(dc)),
                                                         reinterpret_cast<LPARAM>(window)));
    FillRect(dc, &client, behind ? behind : GetSysColorBrush(COLOR_BTNFACE));

    const int dpi = platform::DpiForWindow(window);
    const paint::PlateKeys& look = KeysFor(item.itemState, hot);
    paint::DrawPlate(dc, client,
                     {style.GradientOf(look.fill), style.ColourOf(look.border),
                      paint::Scaled(style, kCornerRadius, dpi),
                      paint::Scaled(style, kBorderWidth, dpi)});
    RECT text = client;
    if (&look == &kPressedButton)
        OffsetRect(&text, 1, 1);
    // The access key's underline shows as the keyboard cues say.
    const UINT prefix = (item.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0;
    paint::Text(dc, WindowText(window), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | prefix,
                style.ColourOf(look.foreground),
                reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)));
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT focus = client;
        const int inset = platform::ScaleForDpi(3, dpi);
        InflateRect(&focus, -inset, -inset);
        paint::FocusRect(dc, focus, style.ColourOf(keys::kFocusRectangle));
    }
}

bool IsPushButton(HWND window)
{
    wchar_t name[8] = {};
    if (!window || !GetClassNameW(window, name, 8) || _wcsicmp(name, L"Button") != 0)
        return false;
    const LONG kind = GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK;
    return kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON || kind == BS_OWNERDRAW;
}

}  // namespace ui
