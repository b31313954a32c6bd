#pragma once
// The error box: the message of an error that ended a handler, under the
// program's title, in the style while one is in force. Every other window
// of the program is disabled while it is open, so that no second repair or
// tick of the schedule starts behind it.

#include <windows.h>

#include <exception>
#include <string>
#include <string_view>

#include "core/style_data.h"

namespace ui {

class ErrorBox {
public:
    void SetTitle(const std::u16string& title) { title_ = title; }
    void SetStyle(const core::StyleData* style) noexcept { style_ = style; }

    // The box is owned by the active window, or by the fallback owner when
    // the program has none active.
    void ShowException(std::exception_ptr error, HWND fallbackOwner) noexcept;
    void Show(std::u16string_view message, HWND fallbackOwner);

private:
    std::u16string title_;
    const core::StyleData* style_ = nullptr;
};

}  // namespace ui
