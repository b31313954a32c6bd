#include "ui/form.h"

#include <algorithm>
#include <vector>

#include "platform/dpi.h"
#include "platform/system_metrics.h"
#include "platform/wide.h"
#include "ui/application.h"
#include "ui/frame_skin.h"

namespace ui {
namespace {

// Sent by Windows 8.1 and later, whose headers the Vista build does not see.
constexpr UINT kDpiChangedMessage = 0x02E0;

constexpr DWORD kFormStyle = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
constexpr DWORD kFormExStyle = WS_EX_CONTROLPARENT | WS_EX_WINDOWEDGE;

}  // namespace

Form::Form(const FormLayout& layout)
    : layout_(layout), dpi_(platform::DpiForPoint(layout.designPosition))
{
    MakeFont();
    WindowParams params{layout.className};
    params.style = kFormStyle;
    params.exStyle = kFormExStyle;
    params.text = platform::Wide(layout_.caption);
    params.x = layout.designPosition.x;
    params.y = layout.designPosition.y;
    params.parent = App().Handle();
    HWND window = CreateTargetWindow(params, *this);
    Adopt(nullptr, window, {layout.designPosition.x, layout.designPosition.y, layout.clientWidth,
                            layout.clientHeight});
    if (Style())
        SkinFrame(window, *Style());
    const int windowDpi = platform::DpiForWindow(window);
    if (windowDpi != dpi_) {
        dpi_ = windowDpi;
        MakeFont();
    }
    ApplyOuterSize();
}

Form::~Form()
{
    DetachTarget(Handle());
}

void Form::MakeFont()
{
    font_.reset(CreateFontW(-platform::ScaleForDpi(layout_.fontHeight, dpi_), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                            FALSE, layout_.fontCharset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                            DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, layout_.fontFace));
}

void Form::ApplyOuterSize()
{
    RECT outer = {0, 0, platform::ScaleForDpi(layout_.clientWidth, dpi_),
                  platform::ScaleForDpi(layout_.clientHeight, dpi_)};
    platform::AdjustWindowRectForDpi(outer, kFormStyle, kFormExStyle, dpi_);
    MINMAXINFO limits = {};
    LimitSize(limits);
    const int width = std::clamp<int>(outer.right - outer.left, limits.ptMinTrackSize.x, limits.ptMaxTrackSize.x);
    const int height = std::clamp<int>(outer.bottom - outer.top, limits.ptMinTrackSize.y, limits.ptMaxTrackSize.y);
    SetWindowPos(Handle(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::LimitSize(MINMAXINFO& limits) const
{
    limits.ptMinTrackSize = {platform::ScaleForDpi(layout_.minSize.cx, dpi_),
                             platform::ScaleForDpi(layout_.minSize.cy, dpi_)};
    limits.ptMaxTrackSize = {platform::ScaleForDpi(layout_.maxSize.cx, dpi_),
                             platform::ScaleForDpi(layout_.maxSize.cy, dpi_)};
    limits.ptMaxSize = limits.ptMaxTrackSize;
}

void Form::SetIcon(HICON big, HICON small)
{
    icon_ = big;
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
}

void Form::Created()
{
    if (OnCreate)
        OnCreate(this);
}

void Form::PlaceOnFirstShow()
{
    if (placed_)
        return;
    placed_ = true;
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(Handle(), MONITOR_DEFAULTTONEAREST), &monitor);
    RECT window;
    GetWindowRect(Handle(), &window);
    const RECT& work = monitor.rcWork;
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    const int left = std::max<int>(work.left + (work.right - work.left - width) / 2,
                                   GetSystemMetrics(SM_XVIRTUALSCREEN));
    const int top = std::max<int>(work.top + (work.bottom - work.top - height) / 2,
                                  GetSystemMetrics(SM_YVIRTUALSCREEN));
    SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::ShowFirstTime(int showCommand)
{
    PlaceOnFirstShow();
    App().MainFormShowing();
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
    App().MainFormHidden();
    if (OnDestroy)
        OnDestroy(this);
}

void Form::OnDpiChanged(int dpi, const RECT& suggested)
{
    dpi_ = dpi;
    // The controls hold the old font until they have the new one.
    const UniqueFont previousFont = std::move(font_);
    MakeFont();
    SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ApplyOuterSize();
    RescaleChildren();
    DpiChanged();
    InvalidateRect(Handle(), nullptr, TRUE);
}

LRESULT Form::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case kDpiChangedMessage:
        OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_GETMINMAXINFO:
        LimitSize(*reinterpret_cast<MINMAXINFO*>(lParam));
        return 0;
    case WM_SHOWWINDOW:
        // After a minimised start the notification area may show the window first.
        if (wParam)
            PlaceOnFirstShow();
        return Container::HandleMessage(window, message, wParam, lParam);
    case WM_CLOSE:
        Close();
        return 0;
    default:
        return Container::HandleMessage(window, message, wParam, lParam);
    }
}

}  // namespace ui
