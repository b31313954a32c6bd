#include "ui/current_style.h"

namespace ui {
namespace {

// Constant-initialised, so that it holds before any constructor runs.
const core::StyleData* currentStyle = nullptr;

}  // namespace

const core::StyleData* CurrentStyle() noexcept
{
    return currentStyle;
}

void SetCurrentStyle(const core::StyleData* style) noexcept
{
    currentStyle = style;
}

}  // namespace ui
