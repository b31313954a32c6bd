#include "ui/combo_box.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/dpi.h"
#include "ui/container.h"
#include "ui/gdi.h"
#include "ui/non_client.h"
#include "ui/scroll_bar.h"
#include "ui/shared_style_keys.h"
#include "ui/style_paint.h"

namespace ui {
namespace {

constexpr core::ColourKey kListBorder("combo.list.border");
constexpr core::ColourKey kListBackground("combo.list.background");
constexpr core::ColourKey kListText("combo.list.text");
constexpr core::ColourKey kListSelection("combo.list.selection");
constexpr core::ColourKey kListSelectionText("combo.list.selection-text");
constexpr core::ColourKey kEditBackground("combo.edit.background");
constexpr core::ColourKey kEditText("combo.edit.text");
constexpr core::ColourKey kBorder("combo.border");
constexpr core::ColourKey kFocusedBorder("combo.focused.border");
constexpr core::MetricKey kCornerRadius("combo.corner-radius");
constexpr core::MetricKey kArrowSize("combo.arrow-size");

// The keys of the drop-down button in one state.
struct ButtonKeys {
    core::GradientKey background;
    core::ColourKey arrow;
};
constexpr ButtonKeys kNormalButton = {core::GradientKey("combo.button.normal.background"),
                                      core::ColourKey("combo.button.normal.arrow")};
constexpr ButtonKeys kHotButton = {core::GradientKey("combo.button.hot.background"),
                                   core::ColourKey("combo.button.hot.arrow")};
constexpr ButtonKeys kPressedButton = {core::GradientKey("combo.button.pressed.background"),
                                       core::ColourKey("combo.button.pressed.arrow")};

COMBOBOXINFO InfoOf(HWND window)
{
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    SendMessageW(window, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info));
    return info;
}

POINT ClientToScreenPoint(HWND window, LPARAM clientPoint)
{
    POINT at = {static_cast<short>(LOWORD(clientPoint)), static_cast<short>(HIWORD(clientPoint))};
    ClientToScreen(window, &at);
    return at;
}

}  // namespace

// The open list in the style: its border and the style's scroll bar in its
// non-client area. While it is open the list holds the mouse capture, so
// presses on the bar come to it as presses outside its client area.
class ComboBox::OpenList : public Window, private StyledScrollBar::Owner {
public:
    OpenList(HWND list, const core::StyleData& style) : style_(style), bar_(list, *this, style, HoverArea::Captured)
    {
        Attach(list, Ownership::Borrowed);
        SetWindowPos(list, nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        ++depth_;
        const LRESULT result = Decode(message, wParam, lParam);
        // The list scrolls by itself as the selection moves; while it is
        // closed there is nothing to follow: it is drawn whole when it opens.
        if (depth_ == 1 && message != WM_NCDESTROY && IsWindowVisible(Handle()))
            bar_.Refresh();
        --depth_;
        return result;
    }

private:
    LRESULT Decode(UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (const std::optional<LRESULT> answer = bar_.PressMessage(message, wParam, lParam))
            return *answer;
        switch (message) {
        case WM_NCCALCSIZE: {
            const LRESULT result = Default(message, wParam, lParam);
            auto& client = *reinterpret_cast<RECT*>(lParam);
            client.right = std::max(client.left, client.right - bar_.Width());
            return result;
        }
        case WM_NCPAINT:
            PaintFrame();
            return 0;
        case WM_NCHITTEST:
            if (bar_.Contains(ScreenPoint(lParam)))
                return HTVSCROLL;
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            const POINT at = ClientToScreenPoint(Handle(), lParam);
            if (!bar_.Contains(at))
                break;
            bar_.Press(at);
            return 0;
        }
        case WM_MOUSEMOVE: {
            const POINT at = ClientToScreenPoint(Handle(), lParam);
            if (bar_.Contains(at))
                bar_.TrackMouse(at);
            else
                bar_.MouseLeft();
            break;
        }
        case WM_MOUSEWHEEL:
            bar_.Wheel(static_cast<short>(HIWORD(wParam)));
            return 0;
        default:
            break;
        }
        return Default(message, wParam, lParam);
    }

    void PaintFrame()
    {
        RECT outer;
        GetWindowRect(Handle(), &outer);
        const WindowDC dc(Handle(), true);
        paint::Outline(dc, {0, 0, outer.right - outer.left, outer.bottom - outer.top},
                       style_.ColourOf(kListBorder));
        bar_.Paint(dc);
    }

    ScrollState CurrentScroll() const override
    {
        RECT client;
        GetClientRect(Handle(), &client);
        const auto itemHeight = std::max<LRESULT>(1, SendMessageW(Handle(), LB_GETITEMHEIGHT, 0, 0));
        return {static_cast<int>(SendMessageW(Handle(), LB_GETTOPINDEX, 0, 0)),
                static_cast<int>(client.bottom / itemHeight),
                static_cast<int>(SendMessageW(Handle(), LB_GETCOUNT, 0, 0))};
    }

    void ScrollTo(int first) override
    {
        const ScrollState now = CurrentScroll();
        SendMessageW(Handle(), LB_SETTOPINDEX, std::clamp(first, 0, std::max(0, now.total - now.visible)), 0);
    }

    RECT BarRect() const override
    {
        const RECT client = ClientInWindow(Handle());
        return {client.right, client.top, client.right + bar_.Width(), client.bottom};
    }

    const core::StyleData& style_;
    StyledScrollBar bar_;
    int depth_ = 0;
};

ComboBox::ComboBox() = default;
ComboBox::~ComboBox() = default;

void ComboBox::Create(Container& parent, int id, const Bounds& bounds,
                      std::initializer_list<const char16_t*> items, int itemIndex, int dropDownCount)
{
    dropDownCount_ = dropDownCount;
    // In a style the list's items are the program's to draw, and its scroll
    // bar is the style's: the system gives it none.
    const DWORD look = parent.Style() ? CBS_OWNERDRAWFIXED | CBS_HASSTRINGS : WS_VSCROLL;
    // The box gets its items, its selection and its open list's height
    // before the toolkit attaches to it and to the list: sizing the box
    // moves its edit and its list again, none of which the toolkit needs to see.
    HWND box = MakeChild(parent, {L"ComboBox", WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWN | CBS_AUTOHSCROLL | look, 0,
                                  u"", id},
                         bounds);
    for (const char16_t* item : items)
        SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(itemIndex), 0);
    SizeList(box);
    AdoptChild(box);
    listWindow_ = InfoOf(box).hwndList;
    if (Style() && listWindow_)
        list_ = std::make_unique<OpenList>(listWindow_, *Style());
}

void ComboBox::SizeList(HWND combo)
{
    if (Style()) {
        // Owner-drawn items are as high as the system's would be: one line of the font.
        const WindowDC dc(combo);
        const SelectedObject font(dc, reinterpret_cast<HFONT>(SendMessageW(combo, WM_GETFONT, 0, 0)));
        TEXTMETRICW metrics = {};
        GetTextMetricsW(dc, &metrics);
        SendMessageW(combo, CB_SETITEMHEIGHT, 0, metrics.tmHeight);
    }
    // Common controls 6 count the open list's items; before them the list
    // is as high as the box's window is made.
    SendMessageW(combo, CB_SETMINVISIBLE, static_cast<WPARAM>(dropDownCount_), 0);
    RECT closed;
    GetWindowRect(combo, &closed);
    const auto itemHeight = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0));
    const int listBorders = 2 * GetSystemMetrics(SM_CYBORDER);
    SetWindowPos(combo, nullptr, 0, 0, closed.right - closed.left,
                 closed.bottom - closed.top + dropDownCount_ * itemHeight + listBorders,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool ComboBox::Owns(HWND window) const noexcept
{
    return Control::Owns(window) || (window && window == listWindow_);
}

void ComboBox::OnCommand(WORD code)
{
    // The frame shows the focus and the button whether the list is open.
    if (Style() && (code == CBN_SETFOCUS || code == CBN_KILLFOCUS || code == CBN_DROPDOWN || code == CBN_CLOSEUP))
        InvalidateRect(Handle(), nullptr, FALSE);
}

ControlColours ComboBox::StyledColours(UINT ctlColorMessage) const
{
    if (ctlColorMessage == WM_CTLCOLORLISTBOX)
        return {Style()->ColourOf(kListBackground), Style()->ColourOf(kListText)};
    return {Style()->ColourOf(kEditBackground), Style()->ColourOf(kEditText)};
}

LRESULT ComboBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!Style())
        return Default(message, wParam, lParam);
    if (mouse_.Update(Handle(), message))
        InvalidateRect(Handle(), nullptr, FALSE);
    switch (message) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    default:
        return Default(message, wParam, lParam);
    }
}

void ComboBox::Paint()
{
    HWND combo = Handle();
    const PaintScope target(combo);
    RECT client;
    GetClientRect(combo, &client);
    const COMBOBOXINFO info = InfoOf(combo);
    // The edit part draws itself; the picture goes round it.
    if (info.hwndItem) {
        RECT edit;
        GetWindowRect(info.hwndItem, &edit);
        MapWindowPoints(nullptr, combo, reinterpret_cast<POINT*>(&edit), 2);
        ExcludeClipRect(target, edit.left, edit.top, edit.right, edit.bottom);
    }
    const BufferedDC dc(target, client.right, client.bottom);
    const core::StyleData& style = *Style();
    const int dpi = Dpi();
    const bool focused = info.hwndItem && GetFocus() == info.hwndItem;
    const bool dropped = SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0;
    paint::Fill(dc, client, Parent()->Background());
    const int radius = paint::Scaled(style, kCornerRadius, dpi);
    const core::Gradient well = {style.ColourOf(kEditBackground), style.ColourOf(kEditBackground)};
    paint::DrawPlate(dc, client,
                     {well, style.ColourOf(focused || dropped ? kFocusedBorder : kBorder), radius, 1});
    const ButtonKeys& look = dropped ? kPressedButton : mouse_.Over() ? kHotButton : kNormalButton;
    RECT button = info.rcButton;
    button.top = client.top + 1;
    button.bottom = client.bottom - 1;
    button.right = client.right - 1;
    {
        const SavedDC saved(dc);
        IntersectClipRect(dc, button.left, button.top, button.right, button.bottom);
        RECT plate = button;
        plate.left -= radius + 1;
        paint::DrawPlate(dc, plate, {style.GradientOf(look.background), style.ColourOf(kBorder), radius, 0});
    }
    paint::Fill(dc, {button.left, button.top, button.left + 1, button.bottom}, style.ColourOf(kBorder));
    paint::Arrow(dc, button, paint::Scaled(style, kArrowSize, dpi), paint::ArrowDirection::Down,
                 style.ColourOf(look.arrow));
}

void ComboBox::DrawItem(const DRAWITEMSTRUCT& item)
{
    const core::StyleData& style = *Style();
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    paint::Fill(item.hDC, item.rcItem, style.ColourOf(selected ? kListSelection : kListBackground));
    if (item.itemID == static_cast<UINT>(-1))
        return;
    const auto length = std::max<LRESULT>(0, SendMessageW(Handle(), CB_GETLBTEXTLEN, item.itemID, 0));
    std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
    SendMessageW(Handle(), CB_GETLBTEXT, item.itemID, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    RECT area = item.rcItem;
    area.left += platform::ScaleForDpi(2, Dpi());
    paint::Text(item.hDC, text, area, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX,
                style.ColourOf(selected ? kListSelectionText : kListText),
                reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0)));
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT))
        paint::FocusRect(item.hDC, item.rcItem, style.ColourOf(keys::kFocusRectangle));
}

}  // namespace ui
