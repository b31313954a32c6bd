#include "ui/status_bar_skin.h"

#include <commctrl.h>

#include <string>

#include "platform/dpi.h"
#include "ui/gdi.h"
#include "ui/skin.h"
#include "ui/style_paint.h"

namespace ui {
namespace {

class StatusBarSkin : public Skin {
public:
    explicit StatusBarSkin(const core::StyleData& style) : Skin(style) {}

private:
    void Paint(HWND window, HDC target) override;
};

std::u16string PanelText(HWND window, int index)
{
    const auto length = LOWORD(SendMessageW(window, SB_GETTEXTLENGTHW, static_cast<WPARAM>(index), 0));
    std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
    SendMessageW(window, SB_GETTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(length);
    return text;
}

void StatusBarSkin::Paint(HWND window, HDC target)
{
    RECT client;
    GetClientRect(window, &client);
    const BufferedDC dc(target, client.right, client.bottom);
    const core::StyleData& style = Style();
    const int dpi = platform::DpiForWindow(window);
    paint::FillGradient(dc, client, style.GradientOf("statusbar.background"));
    paint::Fill(dc, {client.left, client.top, client.right, client.top + 1}, style.ColourOf("statusbar.top-line"));
    const int padding = paint::Scaled(style, "statusbar.padding", dpi);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    const int panels = static_cast<int>(SendMessageW(window, SB_GETPARTS, 0, 0));
    for (int i = 0; i < panels; ++i) {
        RECT panel;
        SendMessageW(window, SB_GETRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&panel));
        if (i + 1 < panels)
            paint::Fill(dc, {panel.right - 1, client.top + padding, panel.right, client.bottom - padding},
                        style.ColourOf("statusbar.separator"));
        RECT text = {panel.left + padding, client.top + 1, panel.right - padding, client.bottom};
        paint::Text(dc, PanelText(window, i), text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX,
                    style.ColourOf("statusbar.text"), font);
    }
}

}  // namespace

void SkinStatusBar(HWND statusBar, const core::StyleData& style)
{
    Skin::Attach(statusBar, std::make_unique<StatusBarSkin>(style));
}

}  // namespace ui
