#pragma once
// The error box drawn in the style while one is in force: for the length of
// a scope, the next message box the thread opens gets the style's
// background and text colour, a darker band behind its buttons and the
// style's owner-drawn push buttons. Without a style it does nothing. A box
// opened from another's message loop is styled by its own scope.

#include <memory>
#include <optional>

#include "core/style_data.h"
#include "ui/dialog_hook.h"

namespace ui {

class StyledMessageBox {
public:
    explicit StyledMessageBox(const core::StyleData* style);
    ~StyledMessageBox();
    StyledMessageBox(const StyledMessageBox&) = delete;
    StyledMessageBox& operator=(const StyledMessageBox&) = delete;

private:
    class Box;
    static void Found(HWND box, void* self);

    const core::StyleData* style_;
    std::unique_ptr<Box> box_;
    std::optional<NextDialogHook> hook_;
};

}  // namespace ui
