#include "ui/memo.h"

#include <algorithm>

#include "platform/wide.h"
#include "ui/container.h"
#include "ui/gdi.h"
#include "ui/non_client.h"
#include "ui/style_paint.h"

namespace ui {
namespace {

constexpr core::ColourKey kBackground("edit.background");
constexpr core::ColourKey kText("edit.text");
constexpr core::ColourKey kBevelDark("edit.bevel.dark");
constexpr core::ColourKey kBevelLight("edit.bevel.light");

// The bevel's two one-pixel edges: lowered outside, raised inside.
constexpr int kBevelSize = 2;

}  // namespace

void Memo::Create(Container& parent, int id, const Bounds& bounds)
{
    // In a style the scroll bar is the style's, so the edit gets none of the system's.
    const DWORD scrollBar = parent.Style() ? 0 : WS_VSCROLL;
    HWND edit = MakeChild(parent,
                          {L"Edit", WS_VISIBLE | WS_TABSTOP | scrollBar | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
                           0, u"", id},
                          bounds);
    // Without a limit the text would stop growing at 32,767 characters.
    SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
    AdoptChild(edit);
    MeasureLines();
    if (Style())
        bar_.emplace(Handle(), static_cast<StyledScrollBar::Owner&>(*this), *Style(), HoverArea::NonClient);
    // The edit was made before the bevel and the scroll bar took their room.
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

ControlColours Memo::StyledColours(UINT) const
{
    return {Style()->ColourOf(kBackground), Style()->ColourOf(kText)};
}

void Memo::AppendLine(std::u16string_view line)
{
    HWND edit = Handle();
    // A line starts on a line of its own and ends with a line break.
    const std::u16string piece =
        EmptyOrEndsWithBreak() ? std::u16string(line) + u"\r\n" : u"\r\n" + std::u16string(line);
    const LRESULT end = SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0);
    SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(end), end);
    SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(piece.c_str()));
}

bool Memo::EmptyOrEndsWithBreak()
{
    // A last line that starts at the very end of the text is empty: the text
    // is empty or ends with a line break. Asking the control costs the same
    // however long the log is.
    HWND edit = Handle();
    const LRESULT length = SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0);
    const LRESULT lines = SendMessageW(edit, EM_GETLINECOUNT, 0, 0);
    const LRESULT lastLineStart = SendMessageW(edit, EM_LINEINDEX, static_cast<WPARAM>(lines - 1), 0);
    return length == 0 || lastLineStart == length;
}

LRESULT Memo::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    ++depth_;
    const LRESULT result = Decode(message, wParam, lParam);
    // The edit scrolls by itself as text comes and the caret moves; its
    // scroll bar follows once the message that scrolled it is done, and
    // the messages that ask it where it stands change nothing. Off the
    // screen there is nothing to follow: the bar is drawn whole when the
    // edit's frame is painted on showing.
    if (bar_ && depth_ == 1 && message != WM_NCDESTROY && IsWindowVisible(Handle()))
        bar_->Refresh();
    --depth_;
    return result;
}

LRESULT Memo::Decode(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCCALCSIZE: {
        const LRESULT result = Default(message, wParam, lParam);
        CalculateFrame(*reinterpret_cast<RECT*>(lParam));
        return result;
    }
    case WM_NCPAINT:
        // Without a style the system draws its scroll bar, and the bevel goes round it.
        if (!bar_)
            Default(message, wParam, lParam);
        PaintFrame();
        return 0;
    case WM_SETFONT: {
        const LRESULT result = Default(message, wParam, lParam);
        MeasureLines();
        return result;
    }
    default:
        break;
    }
    if (!bar_)
        return Default(message, wParam, lParam);
    if (const std::optional<LRESULT> answer = bar_->PressMessage(message, wParam, lParam))
        return *answer;
    switch (message) {
    case WM_NCHITTEST:
        if (bar_->Contains(ScreenPoint(lParam)))
            return HTVSCROLL;
        break;
    case WM_NCMOUSEMOVE: {
        bar_->TrackMouse(ScreenPoint(lParam));
        break;
    }
    case WM_NCMOUSELEAVE:
        bar_->MouseLeft();
        break;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        if (wParam != HTVSCROLL)
            break;
        bar_->Press(ScreenPoint(lParam));
        return 0;
    case WM_NCLBUTTONUP:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCRBUTTONDBLCLK:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONUP:
        // The style's scroll bar takes no other button; none of the system's is there.
        if (wParam == HTVSCROLL)
            return 0;
        break;
    case WM_MOUSEWHEEL:
        bar_->Wheel(static_cast<short>(HIWORD(wParam)));
        return 0;
    default:
        break;
    }
    return Default(message, wParam, lParam);
}

void Memo::CalculateFrame(RECT& client) const
{
    InflateRect(&client, -kBevelSize, -kBevelSize);
    if (bar_)
        client.right = std::max(client.left, client.right - bar_->Width());
}

RECT Memo::BarRect() const
{
    const RECT client = ClientInWindow(Handle());
    return {client.right, client.top, client.right + bar_->Width(), client.bottom};
}

void Memo::PaintFrame()
{
    HWND edit = Handle();
    RECT inside = ClientInWindow(Handle());
    if (bar_)
        inside.right += bar_->Width();
    RECT bevel = inside;
    InflateRect(&bevel, kBevelSize, kBevelSize);
    const WindowDC dc(edit, true);
    if (!Style()) {
        DrawEdge(dc, &bevel, EDGE_ETCHED, BF_RECT);
        return;
    }
    // Etched as the system's is: shadow above and left, light below and right, and inside the reverse.
    const core::Colour dark = Style()->ColourOf(kBevelDark);
    const core::Colour light = Style()->ColourOf(kBevelLight);
    paint::Bevel(dc, bevel, dark, light);
    InflateRect(&bevel, -1, -1);
    paint::Bevel(dc, bevel, light, dark);
    bar_->Paint(dc);
}

void Memo::MeasureLines()
{
    HWND edit = Handle();
    const WindowDC dc(edit);
    const SelectedObject font(dc, reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);
    lineHeight_ = std::max<int>(1, metrics.tmHeight);
}

ScrollState Memo::CurrentScroll() const
{
    HWND edit = Handle();
    RECT client;
    GetClientRect(edit, &client);
    return {static_cast<int>(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0)), client.bottom / lineHeight_,
            static_cast<int>(SendMessageW(edit, EM_GETLINECOUNT, 0, 0))};
}

void Memo::ScrollTo(int first)
{
    const ScrollState now = CurrentScroll();
    const int target = std::clamp(first, 0, std::max(0, now.total - now.visible));
    SendMessageW(Handle(), EM_LINESCROLL, 0, target - now.first);
}

}  // namespace ui
