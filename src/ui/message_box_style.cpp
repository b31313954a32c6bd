#include "ui/message_box_style.h"

#include <algorithm>
#include <vector>

#include "platform/dpi.h"
#include "ui/button.h"
#include "ui/gdi.h"
#include "ui/hover.h"
#include "ui/style_paint.h"
#include "ui/window.h"

namespace ui {
namespace {

constexpr core::ColourKey kBackground("msgbox.background");
constexpr core::ColourKey kText("msgbox.text");
constexpr core::ColourKey kButtonArea("msgbox.button-area");
constexpr core::ColourKey kSeparator("msgbox.separator");
constexpr core::MetricKey kPadding("msgbox.padding");

// A push button of the box, owner-drawn from now on and lit under the mouse.
class BoxButton : public Window {
public:
    explicit BoxButton(HWND button)
    {
        Attach(button, Ownership::Borrowed);
        SendMessageW(button, BM_SETSTYLE, BS_OWNERDRAW, FALSE);
    }
    bool Hot() const noexcept { return mouse_.Over(); }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (mouse_.Update(Handle(), message))
            InvalidateRect(Handle(), nullptr, FALSE);
        // The box makes its default button a default push button again as
        // it comes up; it stays the style's to draw.
        if (message == BM_SETSTYLE)
            wParam = (wParam & ~WPARAM{BS_TYPEMASK}) | BS_OWNERDRAW;
        return Default(message, wParam, lParam);
    }

private:
    MouseOver mouse_;
};

}  // namespace

class StyledMessageBox::Box : public Window {
public:
    Box(HWND box, const core::StyleData& style) : style_(style)
    {
        Attach(box, Ownership::Borrowed);
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if (IsPushButton(child))
                buttons_.push_back(std::make_unique<BoxButton>(child));
        }
    }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return Colours(reinterpret_cast<HDC>(wParam));
        case WM_DRAWITEM:
            DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            Paint();
            return 0;
        default:
            return Default(message, wParam, lParam);
        }
    }

private:
    LRESULT Colours(HDC dc)
    {
        const core::Colour background = style_.ColourOf(kBackground);
        SetBkColor(dc, paint::Rgb(background));
        SetTextColor(dc, paint::Rgb(style_.ColourOf(kText)));
        return reinterpret_cast<LRESULT>(brushes_.Get(background));
    }

    void DrawButton(const DRAWITEMSTRUCT& item)
    {
        const auto found = std::find_if(buttons_.begin(), buttons_.end(),
                                        [&](const auto& button) { return button->Handle() == item.hwndItem; });
        DrawStyledPushButton(item, style_, found != buttons_.end() && (*found)->Hot());
    }

    // The top of the buttons' row, in the box's client coordinates.
    int ButtonsTop(int fallback) const
    {
        int top = fallback;
        for (const auto& button : buttons_) {
            if (!IsWindowVisible(button->Handle()))
                continue;
            RECT rect;
            GetWindowRect(button->Handle(), &rect);
            MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&rect), 2);
            top = std::min<int>(top, rect.top);
        }
        return top;
    }

    // The message on the box's colour, the buttons on a darker band below a line.
    void Paint()
    {
        const PaintScope dc(Handle());
        RECT client;
        GetClientRect(Handle(), &client);
        const int padding = paint::Scaled(style_, kPadding, platform::DpiForWindow(Handle()));
        const int band = std::max<int>(client.top, ButtonsTop(client.bottom) - padding);
        paint::Fill(dc, {client.left, client.top, client.right, band}, style_.ColourOf(kBackground));
        paint::Fill(dc, {client.left, band, client.right, client.bottom}, style_.ColourOf(kButtonArea));
        paint::Fill(dc, {client.left, band, client.right, band + 1}, style_.ColourOf(kSeparator));
    }

    const core::StyleData& style_;
    std::vector<std::unique_ptr<BoxButton>> buttons_;
    paint::BrushCache brushes_;
};

StyledMessageBox::StyledMessageBox(const core::StyleData* style) : style_(style)
{
    if (style)
        hook_.emplace(&StyledMessageBox::Found, this);
}

void StyledMessageBox::Found(HWND box, void* self)
{
    auto& styled = *static_cast<StyledMessageBox*>(self);
    styled.box_ = std::make_unique<Box>(box, *styled.style_);
}

StyledMessageBox::~StyledMessageBox() = default;

}  // namespace ui
