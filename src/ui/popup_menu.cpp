#include "ui/popup_menu.h"

#include "platform/dpi.h"
#include "platform/wide.h"
#include "ui/current_style.h"

namespace ui {
namespace {

// Command identifiers of the items, clear of IDOK, IDCANCEL and the like.
constexpr UINT kFirstCommand = 100;

}  // namespace

void MenuItem::Click()
{
    if (enabled_ && OnClick)
        OnClick(this);
}

PopupMenu::PopupMenu(std::initializer_list<MenuItem*> items)
    : items_(items), menu_(CreatePopupMenu()), style_(CurrentStyle())
{
    WindowParams params{L"TPopupMenuOwner"};
    params.style = WS_POPUP;
    params.exStyle = WS_EX_TOOLWINDOW;
    owner_.Reset(CreateTargetWindow(params, *this));
    UINT command = kFirstCommand;
    for (MenuItem* item : items_) {
        if (item->IsSeparator()) {
            AppendMenuW(menu_, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        item->command_ = command++;
        AppendMenuW(menu_, MF_STRING | (item->enabled_ ? MF_ENABLED : MF_GRAYED), item->command_,
                    platform::Wide(item->caption_));
    }
    if (style_)
        MakeStyled();
}

PopupMenu::~PopupMenu()
{
    DestroyMenu(menu_);
    DetachTarget(owner_.Get());
}

void PopupMenu::Popup(POINT at)
{
    if (style_ && platform::DpiForPoint(at) != dpi_) {
        dpi_ = platform::DpiForPoint(at);
        // The system asks for the items' sizes again once they are set anew.
        MakeStyled();
    }
    TrackPopupMenu(menu_, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, owner_.Get(), nullptr);
    // Without it a tray menu may fail to close, or close at once next time.
    PostMessageW(owner_.Get(), WM_NULL, 0, 0);
}

LRESULT PopupMenu::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_MEASUREITEM && style_) {
        MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        return TRUE;
    }
    if (message == WM_DRAWITEM && style_) {
        DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    }
    if (message == WM_COMMAND && HIWORD(wParam) == 0) {
        for (MenuItem* item : items_) {
            if (!item->IsSeparator() && item->Command() == LOWORD(wParam)) {
                item->Click();
                return 0;
            }
        }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace ui
