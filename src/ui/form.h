#pragma once
// A top-level window owned by the application window: fixed single border,
// a caption with the system menu, size limits, centred when first shown.
// Closing it ends the program.

#include <string>

#include "ui/container.h"
#include "ui/gdi.h"

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

class Form : public Container {
public:
    ~Form() override;

    int Dpi() const noexcept override { return dpi_; }
    HFONT Font() const noexcept override { return font_.get(); }

    void SetIcon(HICON big, HICON small);
    HICON Icon() const noexcept { return icon_; }

    // Shows the window for the first time, centred in the work area of its
    // monitor, maximised if the start-up show command asks for it.
    void ShowFirstTime(int showCommand);
    void Close();
    // Moves the keyboard focus to the next (or previous) tab stop, wrapping.
    void SelectNext(bool forward);

    NotifyEvent OnCreate;
    NotifyEvent OnDestroy;

    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    explicit Form(const FormLayout& layout);

    // The window moved to a monitor of another scale; everything has been
    // scaled already when this runs.
    virtual void DpiChanged() {}

    // Runs OnCreate once every member is built.
    void Created();

private:
    friend class Application;
    void DestroyingByApplication();

    void MakeFont();
    void ApplyOuterSize();
    void OnDpiChanged(int dpi, const RECT& suggested);
    // Centres the window the first time it is shown, whatever shows it.
    void PlaceOnFirstShow();
    void LimitSize(MINMAXINFO& limits) const;

    FormLayout layout_;
    int dpi_;
    UniqueFont font_;
    HICON icon_ = nullptr;
    bool placed_ = false;
};

}  // namespace ui
