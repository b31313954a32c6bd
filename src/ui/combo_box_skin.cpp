#include "ui/combo_box_skin.h"

#include "platform/dpi.h"
#include "ui/gdi.h"
#include "ui/scroll_bar_paint.h"
#include "ui/skin.h"
#include "ui/style_paint.h"

namespace ui {
namespace {

class ComboBoxSkin : public Skin {
public:
    explicit ComboBoxSkin(const core::StyleData& style) : Skin(style) {}

private:
    void Paint(HWND window, HDC target) override;
    // After these the combobox's own procedure has drawn its frame or button.
    bool DrawsAtOnce(UINT message) const override;
    bool TracksHot() const override { return true; }
};

bool ComboBoxSkin::DrawsAtOnce(UINT message) const
{
    switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_COMMAND:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
    case WM_ENABLE:
    case CB_SHOWDROPDOWN:
    case CB_SETCURSEL:
        return true;
    default:
        return false;
    }
}

// The open list, whose scroll bar is drawn over in the style.
class ListSkin : public Skin {
public:
    ListSkin(const core::StyleData& style, HWND window) : Skin(style), window_(window) {}

private:
    void Paint(HWND, HDC) override {}
    bool PaintsClient() const override { return false; }
    std::optional<LRESULT> Answer(UINT message, WPARAM wParam, LPARAM lParam) override;

    HWND window_;
};

// Messages after which the list's own procedure may have drawn its scroll bar.
bool MovesListScrollBar(UINT message)
{
    return message == WM_NCPAINT || message == WM_VSCROLL || message == WM_MOUSEWHEEL || message == WM_MOUSEMOVE ||
           message == WM_LBUTTONUP || message == WM_KEYDOWN || message == WM_CAPTURECHANGED ||
           message == WM_NCLBUTTONDOWN || message == WM_WINDOWPOSCHANGED || message == LB_SETCURSEL ||
           message == LB_SETTOPINDEX || message == WM_PAINT;
}

std::optional<LRESULT> ListSkin::Answer(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!MovesListScrollBar(message))
        return std::nullopt;
    const LRESULT result = Original(window_, message, wParam, lParam);
    paint::StyledVerticalScrollBar(window_, Style(), platform::DpiForWindow(window_));
    return result;
}

COMBOBOXINFO InfoOf(HWND window)
{
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    SendMessageW(window, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info));
    return info;
}

void ComboBoxSkin::Paint(HWND window, HDC target)
{
    RECT client;
    GetClientRect(window, &client);
    const COMBOBOXINFO info = InfoOf(window);
    // The edit part draws itself; the picture goes round it.
    if (info.hwndItem) {
        RECT edit;
        GetWindowRect(info.hwndItem, &edit);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&edit), 2);
        ExcludeClipRect(target, edit.left, edit.top, edit.right, edit.bottom);
    }
    const BufferedDC dc(target, client.right, client.bottom);
    const core::StyleData& style = Style();
    const int dpi = platform::DpiForWindow(window);
    const bool focused = info.hwndItem && GetFocus() == info.hwndItem;
    const bool dropped = SendMessageW(window, CB_GETDROPPEDSTATE, 0, 0) != 0;
    auto* behind = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(window), WM_CTLCOLORBTN,
                                                         reinterpret_cast<WPARAM>(static_cast<HDC>(dc)),
                                                         reinterpret_cast<LPARAM>(window)));
    FillRect(dc, &client, behind);
    const int radius = paint::Scaled(style, "combo.corner-radius", dpi);
    const core::Gradient well = {style.ColourOf("combo.edit.background"), style.ColourOf("combo.edit.background")};
    paint::DrawPlate(dc, client,
                     {well, style.ColourOf(focused || dropped ? "combo.focused.border" : "combo.border"), radius, 1});
    const std::string_view state = dropped ? "pressed" : Hot() ? "hot" : "normal";
    RECT button = info.rcButton;
    button.top = client.top + 1;
    button.bottom = client.bottom - 1;
    button.right = client.right - 1;
    {
        const SavedDC saved(dc);
        IntersectClipRect(dc, button.left, button.top, button.right, button.bottom);
        RECT plate = button;
        plate.left -= radius + 1;
        paint::DrawPlate(dc, plate,
                         {style.GradientOf(paint::StateKey("combo.button", state, "background")),
                          style.ColourOf("combo.border"), radius, 0});
    }
    paint::Fill(dc, {button.left, button.top, button.left + 1, button.bottom}, style.ColourOf("combo.border"));
    paint::Arrow(dc, button, paint::Scaled(style, "combo.arrow-size", dpi), paint::ArrowDirection::Down,
                 style.ColourOf(paint::StateKey("combo.button", state, "arrow")));
}

}  // namespace

void SkinComboBox(HWND comboBox, const core::StyleData& style)
{
    Skin::Attach(comboBox, std::make_unique<ComboBoxSkin>(style));
    if (HWND list = InfoOf(comboBox).hwndList)
        Skin::Attach(list, std::make_unique<ListSkin>(style, list));
}

}  // namespace ui
