#include "ui/memo.h"

#include "core/repair_log.h"
#include "platform/wide.h"
#include "ui/gdi.h"
#include "ui/guarded.h"

namespace ui {
namespace {

// The bevel's two one-pixel edges: lowered outside, raised inside.
constexpr int kBevelSize = 2;

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
            RECT client, outer;
            GetClientRect(window, &client);
            MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
            GetWindowRect(window, &outer);
            OffsetRect(&client, -outer.left, -outer.top);
            InflateRect(&client, kBevelSize, kBevelSize);
            const WindowDC dc(window, true);
            DrawEdge(dc, &client, EDGE_ETCHED, BF_RECT);
        }
        return result;
    });
}

}  // namespace ui
