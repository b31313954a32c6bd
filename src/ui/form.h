#pragma once
// A top-level window owned by the application window: fixed single border,
// a caption with the system menu, its client area at the layout's size on
// every monitor, centred when first shown. Closing it ends the program. In
// a style it draws its own frame, with the compositor's off.

#include <optional>
#include <string>

#include "ui/app_window.h"
#include "ui/container.h"
#include "ui/frame.h"
#include "ui/gdi.h"
#include "ui/guarded.h"

namespace ui {

struct FormLayout {
    const wchar_t* className;
    std::u16string caption;
    int clientWidth, clientHeight;
    SIZE minSize, maxSize;   // outer size
    POINT designPosition;    // chooses the monitor
    const wchar_t* fontFace;
    int fontHeight;
    BYTE fontCharset;
};

class Form : public Container, private AppWindowClient {
public:
    ~Form() override;

    int Dpi() const noexcept override { return dpi_; }
    HFONT Font() const noexcept override { return font_.get(); }

    // The window's icons, also set on the application window, whose
    // taskbar button shows them. The caller keeps them until new ones are set.
    void SetIcons(HICON big, HICON small);
    // The application window the form was made on.
    AppWindow& ApplicationWindow() const noexcept { return appWindow_; }

    // Shows the window for the first time, centred in the work area of its
    // monitor, maximised if the start-up show command asks for it.
    void ShowFirstTime(int showCommand);
    void Close();
    // Moves the keyboard focus to the next (or previous) tab stop, wrapping.
    void SelectNext(bool forward);

    NotifyEvent OnCreate;
    NotifyEvent OnDestroy;

protected:
    // The form is owned by the application window, which carries its
    // taskbar button and hands it its restore, its close and its focus.
    Form(const FormLayout& layout, AppWindow& appWindow, const core::StyleData* style);

    // Runs the steps that build the members, then OnCreate. An error in
    // either is reported and the rest of that part is skipped: the program
    // goes on with the window as it stands. OnCreate runs also after an
    // error in the steps, once it is bound: it puts the icon into the
    // notification area, the way back to a window hidden there.
    template <class Steps>
    void Build(Steps steps) noexcept
    {
        try {
            steps();
        } catch (...) {
            ReportCurrentException(appWindow_.Handle());
        }
        try {
            if (OnCreate)
                OnCreate(this);
        } catch (...) {
            ReportCurrentException(appWindow_.Handle());
        }
    }
    // The window moved to a monitor of another scale; everything has been
    // scaled already when this runs.
    virtual void DpiChanged() {}

    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    friend class Application;
    void DestroyingByApplication();

    std::optional<LRESULT> OnAppMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void RestoredFromTaskbar();
    bool TakeDialogKey(MSG& message);
    std::optional<LRESULT> FrameMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Lets the system handle a message on which it would draw its own caption.
    LRESULT DefaultWithoutCaption(UINT message, WPARAM wParam, LPARAM lParam);
    std::optional<LRESULT> TitleButtonDown(bool doubleClick, WPARAM hit, LPARAM lParam);
    std::optional<LRESULT> SystemCommand(WPARAM command, LPARAM lParam);
    void ShowSystemMenu(POINT at);
    std::optional<LRESULT> NonClientCursor(HWND window, WORD hit);
    LRESULT DefaultButton() const;
    // The focused control is kept when the window loses the activation and
    // given the focus back when the window gets it again, as in dialogs.
    void Deactivated();
    bool RestoreFocus();
    void MakeFont();
    // Where the window is made, in screen coordinates.
    RECT FirstPlace() const;
    void ApplyOuterSize();
    void OnDpiChanged(int dpi, const RECT& suggested);
    // Centres the window the first time it is shown, whatever shows it.
    void PlaceOnFirstShow();

    AppWindow& appWindow_;
    FormLayout layout_;
    int dpi_;
    UniqueFont font_;
    std::optional<Frame> frame_;
    SIZE minSize_ = {}, maxSize_ = {};
    bool placed_ = false;
    bool shown_ = false;
    HWND focus_ = nullptr;
};

}  // namespace ui
