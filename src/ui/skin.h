#pragma once
// Styled drawing put over a system control that is not ours to derive from
// (a button of a message box, a tab control, a status bar...): a window
// procedure in front of the control's own, with the state it needs, living
// exactly as long as the window.

#include <windows.h>

#include <memory>
#include <optional>

#include "core/style_data.h"
#include "ui/subclass.h"

namespace ui {

class Skin {
public:
    virtual ~Skin() = default;
    Skin(const Skin&) = delete;
    Skin& operator=(const Skin&) = delete;

    // The window owns the skin from now on and frees it when it is destroyed.
    static void Attach(HWND window, std::unique_ptr<Skin> skin);

protected:
    explicit Skin(const core::StyleData& style) : style_(style) {}

    const core::StyleData& Style() const noexcept { return style_; }
    LRESULT Original(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const
    {
        return subclass_.CallOriginal(window, message, wParam, lParam);
    }
    // The whole client area's picture, drawn in place of the control's own.
    virtual void Paint(HWND window, HDC dc) = 0;
    // False leaves the client area to the window's own procedure.
    virtual bool PaintsClient() const { return true; }
    // Messages on which the control's own procedure draws at once: the
    // styled picture is drawn over it before anything shows.
    virtual bool DrawsAtOnce(UINT) const { return false; }
    // A message the skin answers itself, before the control sees it.
    virtual std::optional<LRESULT> Answer(UINT, WPARAM, LPARAM) { return std::nullopt; }
    // Whether the mouse over the window lights it.
    virtual bool TracksHot() const { return false; }
    bool Hot() const noexcept { return hot_; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // True when the mouse came or went.
    bool TrackHot(HWND window, UINT message);

    const core::StyleData& style_;
    Subclass subclass_;
    bool hot_ = false;
};

}  // namespace ui
