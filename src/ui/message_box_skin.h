#pragma once
// The error box drawn in the style while one is in force: for the length of
// a scope, the next message box the thread opens gets the style's
// background, text colour, a darker band behind its buttons and styled
// buttons. Without a style it does nothing. A box opened over an open one
// is styled too: the first is styled, and its hook gone, by the time its
// own message loop can open another.

#include <windows.h>

#include "core/style_data.h"

namespace ui {

class StyledMessageBox {
public:
    explicit StyledMessageBox(const core::StyleData* style);
    ~StyledMessageBox();
    StyledMessageBox(const StyledMessageBox&) = delete;
    StyledMessageBox& operator=(const StyledMessageBox&) = delete;

private:
    static LRESULT CALLBACK OnWindowEvent(int code, WPARAM wParam, LPARAM lParam);
};

}  // namespace ui
