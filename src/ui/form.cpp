#include "ui/form.h"

#include <algorithm>
#include <vector>

#include "platform/desktop_composition.h"
#include "platform/dpi.h"
#include "platform/wide.h"
#include "ui/button.h"
#include "ui/message_loop.h"
#include "ui/non_client.h"

namespace ui {
namespace {

// Sent by Windows 8.1 and later, whose headers the Vista build does not see.
constexpr UINT kDpiChangedMessage = 0x02E0;
// With visual styles the theme engine asks the window's own procedure to
// draw the caption and the frame with these; the style draws them instead.
constexpr UINT kThemeDrawsCaption = 0x00AE;
constexpr UINT kThemeDrawsFrame = 0x00AF;

constexpr DWORD kFormStyle = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
constexpr DWORD kFormExStyle = WS_EX_CONTROLPARENT | WS_EX_WINDOWEDGE;

// The top-left corner that centres a window of SIZE in the work area of the
// monitor, on the virtual screen.
POINT CentredOn(HMONITOR monitor, SIZE size)
{
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    GetMonitorInfoW(monitor, &info);
    const RECT& work = info.rcWork;
    return {std::max<LONG>(work.left + (work.right - work.left - size.cx) / 2, GetSystemMetrics(SM_XVIRTUALSCREEN)),
            std::max<LONG>(work.top + (work.bottom - work.top - size.cy) / 2, GetSystemMetrics(SM_YVIRTUALSCREEN))};
}

}  // namespace

Form::Form(const FormLayout& layout, AppWindow& appWindow, const core::StyleData* style)
    : appWindow_(appWindow), layout_(layout), dpi_(platform::DpiForPoint(layout.designPosition))
{
    SetOwnStyle(style);
    MakeFont();
    WindowParams params{layout.className};
    params.style = kFormStyle;
    params.exStyle = kFormExStyle;
    params.text = platform::Wide(layout_.caption);
    const RECT place = FirstPlace();
    params.x = place.left;
    params.y = place.top;
    params.width = place.right - place.left;
    params.height = place.bottom - place.top;
    params.parent = appWindow_.Handle();
    CreateOwn(params);
    appWindow_.AddClient(*this);
    const int windowDpi = platform::DpiForWindow(Handle());
    if (windowDpi != dpi_) {
        dpi_ = windowDpi;
        MakeFont();
        if (frame_) {
            frame_->SetDpi(dpi_);
            SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                         SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    platform::SetCompositorDrawsFrame(Handle(), !style);
    ApplyOuterSize();
}

Form::~Form()
{
    appWindow_.RemoveClient(*this);
}

// With the style, the frame is known before the window is there: the window
// is made at its size and centred as it will be shown, on the monitor the
// layout's position chooses. The system's frame is measured once the window
// is there: till then the window is the client area's size.
RECT Form::FirstPlace() const
{
    RECT place = {0, 0, platform::ScaleForDpi(layout_.clientWidth, dpi_),
                  platform::ScaleForDpi(layout_.clientHeight, dpi_)};
    if (!Style()) {
        OffsetRect(&place, layout_.designPosition.x, layout_.designPosition.y);
        return place;
    }
    RECT client = place;
    Frame(nullptr, *Style(), dpi_).ClientInside(client);
    place.right += place.right - (client.right - client.left);
    place.bottom += place.bottom - (client.bottom - client.top);
    const POINT at = CentredOn(MonitorFromPoint(layout_.designPosition, MONITOR_DEFAULTTONEAREST),
                               {place.right, place.bottom});
    OffsetRect(&place, at.x, at.y);
    return place;
}

void Form::MakeFont()
{
    font_.reset(CreateFontW(-platform::ScaleForDpi(layout_.fontHeight, dpi_), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                            FALSE, layout_.fontCharset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                            DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, layout_.fontFace));
}

// The client area is the layout's, scaled, inside the frame the window
// really has: a monitor of another scale than the system's may give a frame
// thicker or thinner than its scale would. The size limits make room for it.
void Form::ApplyOuterSize()
{
    RECT outer, client;
    GetWindowRect(Handle(), &outer);
    GetClientRect(Handle(), &client);
    const SIZE frame = {(outer.right - outer.left) - client.right, (outer.bottom - outer.top) - client.bottom};
    const SIZE size = {platform::ScaleForDpi(layout_.clientWidth, dpi_) + frame.cx,
                       platform::ScaleForDpi(layout_.clientHeight, dpi_) + frame.cy};
    minSize_ = {std::min<LONG>(platform::ScaleForDpi(layout_.minSize.cx, dpi_), size.cx),
                std::min<LONG>(platform::ScaleForDpi(layout_.minSize.cy, dpi_), size.cy)};
    maxSize_ = {std::max<LONG>(platform::ScaleForDpi(layout_.maxSize.cx, dpi_), size.cx),
                std::max<LONG>(platform::ScaleForDpi(layout_.maxSize.cy, dpi_), size.cy)};
    if (size.cx != outer.right - outer.left || size.cy != outer.bottom - outer.top)
        SetWindowPos(Handle(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SetIcons(HICON big, HICON small)
{
    for (HWND window : {Handle(), GetWindow(Handle(), GW_OWNER)}) {
        SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
        SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    }
}

void Form::PlaceOnFirstShow()
{
    if (placed_)
        return;
    placed_ = true;
    RECT window;
    GetWindowRect(Handle(), &window);
    const POINT at = CentredOn(MonitorFromWindow(Handle(), MONITOR_DEFAULTTONEAREST),
                               {window.right - window.left, window.bottom - window.top});
    if (at.x != window.left || at.y != window.top)
        SetWindowPos(Handle(), nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::ShowFirstTime(int showCommand)
{
    PlaceOnFirstShow();
    shown_ = true;
    appWindow_.MainWindowShowing();
    ShowWindow(Handle(), showCommand == SW_SHOWMAXIMIZED ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
}

void Form::SelectNext(bool forward)
{
    std::vector<HWND> stops;
    CollectTabStops(stops);
    if (stops.empty())
        return;
    // The focus may sit in a part of a stop, such as the edit of a drop-down list.
    HWND focus = GetFocus();
    auto current = stops.end();
    for (auto stop = stops.begin(); stop != stops.end(); ++stop) {
        if (*stop == focus || IsChild(*stop, focus))
            current = stop;
    }
    std::size_t index = 0;
    if (current != stops.end()) {
        const std::size_t at = static_cast<std::size_t>(current - stops.begin());
        index = forward ? (at + 1) % stops.size() : (at + stops.size() - 1) % stops.size();
    } else if (!forward) {
        index = stops.size() - 1;
    }
    HWND next = stops[index];
    // The keyboard is in use: the focus cues show from now on, as in dialogs.
    SendMessageW(Handle(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    SetFocus(next);
    // As in dialogs, a text field reached by Tab has its text selected.
    if (SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
        SendMessageW(next, EM_SETSEL, 0, -1);
}

void Form::Close()
{
    // No handler may refuse the close, and closing the main window ends the program.
    PostQuitMessage(0);
}

void Form::DestroyingByApplication()
{
    ShowWindow(Handle(), SW_HIDE);
    appWindow_.MainWindowHidden();
    if (OnDestroy)
        OnDestroy(this);
}

void Form::OnDpiChanged(int dpi, const RECT& suggested)
{
    dpi_ = dpi;
    if (frame_)
        frame_->SetDpi(dpi);
    // The controls hold the old font until they have the new one.
    const UniqueFont previousFont = std::move(font_);
    MakeFont();
    SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    ApplyOuterSize();
    RescaleChildren();
    DpiChanged();
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

// The focused push button is the one Enter presses.
LRESULT Form::DefaultButton() const
{
    HWND focus = GetFocus();
    if (!IsChild(Handle(), focus) || !IsPushButton(focus))
        return 0;
    return MAKELRESULT(GetDlgCtrlID(focus), DC_HASDEFID);
}

void Form::Deactivated()
{
    HWND focus = GetFocus();
    if (IsChild(Handle(), focus))
        focus_ = focus;
}

bool Form::RestoreFocus()
{
    if (!focus_ || !IsChild(Handle(), focus_) || !IsWindowVisible(focus_) || !IsWindowEnabled(focus_))
        return false;
    SetFocus(focus_);
    return true;
}

std::optional<LRESULT> Form::OnAppMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CLOSE:
        Close();
        return 0;
    case WM_SETFOCUS:
        if (IsWindowVisible(Handle()) && IsWindowEnabled(Handle()))
            SetFocus(Handle());
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) != SC_RESTORE)
            return std::nullopt;
        {
            const LRESULT result = appWindow_.DefaultHandling(message, wParam, lParam);
            RestoredFromTaskbar();
            return result;
        }
    default:
        return std::nullopt;
    }
}

// The taskbar button restores the window; after a minimised start it shows
// the window for the first time.
void Form::RestoredFromTaskbar()
{
    if (!shown_)
        ShowFirstTime(SW_SHOWNORMAL);
    SetForegroundWindow(Handle());
}

bool Form::TakeDialogKey(MSG& message)
{
    // Tab goes through the controls in the order of the layout, into the
    // shown page and out of it again, and never types into the log.
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0 &&
        GetKeyState(VK_MENU) >= 0) {
        SelectNext(GetKeyState(VK_SHIFT) >= 0);
        return true;
    }
    return IsDialogMessageW(Handle(), &message) != FALSE;
}

LRESULT Form::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    // In a style the window has the style's frame from its first message on.
    if (Style() && !frame_)
        frame_.emplace(Handle(), *Style(), dpi_);
    switch (message) {
    case kDialogKeyMessage:
        return TakeDialogKey(*reinterpret_cast<MSG*>(lParam));
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE)
            Deactivated();
        else if (!HIWORD(wParam) && RestoreFocus())
            return 0;
        break;
    case WM_SETFOCUS:
        // Given the focus as a whole, as by the application window.
        if (RestoreFocus())
            return 0;
        break;
    case kDpiChangedMessage:
        OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_GETMINMAXINFO: {
        auto& limits = *reinterpret_cast<MINMAXINFO*>(lParam);
        limits.ptMinTrackSize = {minSize_.cx, minSize_.cy};
        limits.ptMaxTrackSize = {maxSize_.cx, maxSize_.cy};
        limits.ptMaxSize = limits.ptMaxTrackSize;
        return 0;
    }
    case WM_SHOWWINDOW:
        // After a minimised start the notification area may show the window first.
        if (wParam)
            PlaceOnFirstShow();
        break;
    case WM_CLOSE:
        Close();
        return 0;
    case DM_GETDEFID:
        return DefaultButton();
    default:
        break;
    }
    if (frame_) {
        if (const std::optional<LRESULT> answer = FrameMessage(message, wParam, lParam))
            return *answer;
    }
    return Container::OnMessage(message, wParam, lParam);
}

std::optional<LRESULT> Form::FrameMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (const std::optional<LRESULT> answer = frame_->CloseBoxMessage(message, lParam))
        return answer;
    switch (message) {
    case WM_NCCALCSIZE:
        // Both forms of the message start with the window's rectangle,
        // which becomes the client area's.
        frame_->ClientInside(*reinterpret_cast<RECT*>(lParam));
        return 0;
    case WM_NCPAINT:
        frame_->Paint();
        return 0;
    case WM_NCACTIVATE:
        frame_->SetActive(wParam != FALSE);
        // -1 asks the system's procedure to keep the state and draw
        // nothing, which it ignores while visual styles are on for the window.
        return DefaultWithoutCaption(message, wParam, -1);
    case kThemeDrawsCaption:
    case kThemeDrawsFrame:
        return 0;
    case WM_NCHITTEST:
        return frame_->HitTest(ScreenPoint(lParam));
    case WM_SETCURSOR:
        return NonClientCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam));
    case WM_SYSCOMMAND:
        return SystemCommand(wParam, lParam);
    case WM_NCRBUTTONUP:
        if (wParam != HTCAPTION && wParam != HTSYSMENU)
            return std::nullopt;
        ShowSystemMenu(ScreenPoint(lParam));
        return 0;
    case WM_NCMOUSEMOVE:
        frame_->MouseMoved(wParam);
        // Over the close box the system would light its own.
        if (wParam == HTCLOSE)
            return 0;
        return std::nullopt;
    case WM_NCMOUSELEAVE:
        frame_->MouseLeft();
        return std::nullopt;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        return TitleButtonDown(message == WM_NCLBUTTONDBLCLK, wParam, lParam);
    case WM_NCLBUTTONUP:
        if (wParam == HTCLOSE)
            return 0;
        return std::nullopt;
    case WM_SETTEXT:
    case WM_SETICON:
        return DefaultWithoutCaption(message, wParam, lParam);
    case WM_DWMCOMPOSITIONCHANGED:
        // Composition switched back on asks for the policy again.
        platform::SetCompositorDrawsFrame(Handle(), false);
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

// The system's procedure draws its own caption while it handles a press on
// the title, the system menu and the cursor over the frame: the form does
// these itself, as the system would, and lets the system only move it.
std::optional<LRESULT> Form::TitleButtonDown(bool doubleClick, WPARAM hit, LPARAM lParam)
{
    // A press on the frame activates the window, as the system's does.
    if (hit == HTCAPTION || hit == HTSYSMENU)
        SetForegroundWindow(Handle());
    switch (hit) {
    case HTCLOSE:
        frame_->PressCloseBox();
        return 0;
    case HTSYSMENU:
        // A double-click on the icon closes the window, as on the system's.
        if (doubleClick)
            PostMessageW(Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
        else
            ShowSystemMenu(frame_->SystemMenuPlace());
        return 0;
    case HTCAPTION:
        // A double-click would maximise a window that can be; this one cannot.
        if (!doubleClick)
            Default(WM_SYSCOMMAND, SC_MOVE | HTCAPTION, lParam);
        return 0;
    default:
        return std::nullopt;
    }
}

std::optional<LRESULT> Form::SystemCommand(WPARAM command, LPARAM lParam)
{
    if ((command & 0xFFF0) != SC_KEYMENU)
        return std::nullopt;
    // Alt+Space opens the system menu; the window has no menu bar for Alt
    // alone to enter.
    if (lParam == L' ')
        ShowSystemMenu(frame_->SystemMenuPlace());
    return 0;
}

void Form::ShowSystemMenu(POINT at)
{
    const UINT command = static_cast<UINT>(TrackPopupMenu(GetSystemMenu(Handle(), FALSE),
                                                          TPM_LEFTBUTTON | TPM_RIGHTBUTTON | TPM_RETURNCMD,
                                                          at.x, at.y, 0, Handle(), nullptr));
    if (command)
        SendMessageW(Handle(), WM_SYSCOMMAND, command, 0);
}

std::optional<LRESULT> Form::NonClientCursor(HWND window, WORD hit)
{
    // Over a disabled window (HTERROR) the system beeps and flashes the box
    // that disables it; the client area's pointer is the controls'.
    if (window != Handle() || hit == HTCLIENT || hit == static_cast<WORD>(HTERROR))
        return std::nullopt;
    // The border is fixed: the arrow everywhere on the frame.
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    return TRUE;
}

LRESULT Form::DefaultWithoutCaption(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The system draws the caption at once on these. A window that may not
    // redraw draws nothing; a hidden one must not be made visible by it.
    const bool visible = IsWindowVisible(Handle()) != FALSE;
    if (visible)
        Default(WM_SETREDRAW, FALSE, 0);
    const LRESULT result = Default(message, wParam, lParam);
    if (visible) {
        Default(WM_SETREDRAW, TRUE, 0);
        frame_->Paint();
        // What waited to be drawn, as a window just shown does when it is
        // activated, is lost while the window counts as hidden.
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
    return result;
}

}  // namespace ui
