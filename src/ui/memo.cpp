#include "ui/memo.h"

#include "core/repair_log.h"
#include "platform/wide.h"
#include "ui/gdi.h"
#include "ui/guarded.h"
#include "ui/scroll_bar_paint.h"
#include "ui/style_paint.h"

namespace ui {
namespace {

// The bevel's two one-pixel edges: lowered outside, raised inside.
constexpr int kBevelSize = 2;

// Messages after which the edit's own procedure may have drawn its scroll bar.
bool MovesScrollBar(UINT message)
{
    switch (message) {
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
    case WM_KEYDOWN:
    case WM_CHAR:
    case WM_SETTEXT:
    case WM_SIZE:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_NCMOUSEMOVE:
    case WM_NCMOUSELEAVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_CAPTURECHANGED:
    case EM_REPLACESEL:
    case EM_SCROLL:
    case EM_SCROLLCARET:
    case EM_SETSEL:
        return true;
    default:
        return false;
    }
}

}  // namespace

void Memo::Create(Container& parent, int id, const Bounds& bounds)
{
    CreateChild(parent,
                {L"Edit", WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
                 0, u"", id},
                bounds);
    // Without a limit the text would stop growing at 32,767 characters.
    SendMessageW(Handle(), EM_SETLIMITTEXT, 0, 0);
    bevel_.Attach(Handle(), &Memo::BevelProc);
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Memo::AppendLine(std::u16string_view line)
{
    const std::u16string piece = core::LogAppendPiece(EmptyOrEndsWithBreak(), line);
    const LRESULT end = SendMessageW(Handle(), WM_GETTEXTLENGTH, 0, 0);
    SendMessageW(Handle(), EM_SETSEL, static_cast<WPARAM>(end), end);
    SendMessageW(Handle(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(piece.c_str()));
}

bool Memo::EmptyOrEndsWithBreak() const
{
    // A last line that starts at the very end of the text is empty: the text
    // is empty or ends with a line break. Asking the control costs the same
    // however long the log is.
    const LRESULT length = SendMessageW(Handle(), WM_GETTEXTLENGTH, 0, 0);
    const LRESULT lines = SendMessageW(Handle(), EM_GETLINECOUNT, 0, 0);
    const LRESULT lastLineStart = SendMessageW(Handle(), EM_LINEINDEX, static_cast<WPARAM>(lines - 1), 0);
    return length == 0 || lastLineStart == length;
}

LRESULT CALLBACK Memo::BevelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto& memo = *static_cast<Memo*>(Control::FromHandle(window));
    return Guarded([&]() -> LRESULT {
        const LRESULT result = memo.bevel_.CallOriginal(window, message, wParam, lParam);
        if (message == WM_NCCALCSIZE) {
            auto* client = reinterpret_cast<RECT*>(lParam);
            InflateRect(client, -kBevelSize, -kBevelSize);
        } else if (message == WM_NCPAINT) {
            memo.PaintBevel(window);
            if (memo.Style())
                paint::StyledVerticalScrollBar(window, *memo.Style(), memo.Dpi());
        } else if (memo.Style() && MovesScrollBar(message)) {
            paint::StyledVerticalScrollBar(window, *memo.Style(), memo.Dpi());
        }
        return result;
    });
}

void Memo::PaintBevel(HWND window) const
{
    RECT client, outer;
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    GetWindowRect(window, &outer);
    OffsetRect(&client, -outer.left, -outer.top);
    InflateRect(&client, kBevelSize, kBevelSize);
    const WindowDC dc(window, true);
    if (!Style()) {
        DrawEdge(dc, &client, EDGE_ETCHED, BF_RECT);
        return;
    }
    // Etched as the system's is: shadow above and left, light below and right, and inside the reverse.
    const core::Colour dark = Style()->ColourOf("edit.bevel.dark");
    const core::Colour light = Style()->ColourOf("edit.bevel.light");
    paint::Bevel(dc, client, dark, light);
    InflateRect(&client, -1, -1);
    paint::Bevel(dc, client, light, dark);
}

}  // namespace ui
