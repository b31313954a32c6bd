#pragma once
// Every key a style holds, with the kind of its value: the one list that the
// style's source, the compiled style and the drawing all go by. It is
// constant data in this header so that keys can be checked against it when
// the program is built (see typed_style_key.h).

#include <cstdint>
#include <string>
#include <string_view>

namespace core {

// A metric is a length in pixels at 96 dpi: scale it with ScaleForDpi.
enum class StyleKind : std::uint8_t { Colour, Metric, Gradient, Font };

struct StyleKey {
    std::string_view name;
    StyleKind kind;
};

// "a colour", "a metric", ...: the kind as messages name it.
std::u16string StyleKindName(StyleKind kind);

// What a style holds, in a fixed order.
inline constexpr StyleKey kStyleKeys[] = {
    {"frame.border-width", StyleKind::Metric},
    {"frame.corner-radius", StyleKind::Metric},
    {"frame.active.outline", StyleKind::Colour},
    {"frame.active.fill", StyleKind::Colour},
    {"frame.inactive.outline", StyleKind::Colour},
    {"frame.inactive.fill", StyleKind::Colour},

    {"title.height", StyleKind::Metric},
    {"title.padding", StyleKind::Metric},
    {"title.button-radius", StyleKind::Metric},
    {"title.font", StyleKind::Font},
    {"title.active.background", StyleKind::Gradient},
    {"title.active.text", StyleKind::Colour},
    {"title.inactive.background", StyleKind::Gradient},
    {"title.inactive.text", StyleKind::Colour},

    {"sysmenu.icon-size", StyleKind::Metric},
    {"sysmenu.hot.background", StyleKind::Gradient},
    {"sysmenu.hot.border", StyleKind::Colour},
    {"sysmenu.pressed.background", StyleKind::Gradient},
    {"sysmenu.pressed.border", StyleKind::Colour},

    {"closebox.width", StyleKind::Metric},
    {"closebox.height", StyleKind::Metric},
    {"closebox.glyph-size", StyleKind::Metric},
    {"closebox.glyph-thickness", StyleKind::Metric},
    {"closebox.normal.background", StyleKind::Gradient},
    {"closebox.normal.border", StyleKind::Colour},
    {"closebox.normal.glyph", StyleKind::Colour},
    {"closebox.hot.background", StyleKind::Gradient},
    {"closebox.hot.border", StyleKind::Colour},
    {"closebox.hot.glyph", StyleKind::Colour},
    {"closebox.pressed.background", StyleKind::Gradient},
    {"closebox.pressed.border", StyleKind::Colour},
    {"closebox.pressed.glyph", StyleKind::Colour},
    {"closebox.inactive.background", StyleKind::Gradient},
    {"closebox.inactive.border", StyleKind::Colour},
    {"closebox.inactive.glyph", StyleKind::Colour},

    {"window.background", StyleKind::Colour},
    {"window.text", StyleKind::Colour},

    {"page.background", StyleKind::Colour},
    {"page.border", StyleKind::Colour},
    {"tab.height", StyleKind::Metric},
    {"tab.padding", StyleKind::Metric},
    {"tab.corner-radius", StyleKind::Metric},
    {"tab.accent-height", StyleKind::Metric},
    {"tab.normal.background", StyleKind::Gradient},
    {"tab.normal.border", StyleKind::Colour},
    {"tab.normal.text", StyleKind::Colour},
    {"tab.hot.background", StyleKind::Gradient},
    {"tab.hot.border", StyleKind::Colour},
    {"tab.hot.text", StyleKind::Colour},
    {"tab.selected.background", StyleKind::Gradient},
    {"tab.selected.border", StyleKind::Colour},
    {"tab.selected.text", StyleKind::Colour},
    {"tab.selected.accent", StyleKind::Colour},
    {"tab.focused.accent", StyleKind::Colour},

    {"group.corner-radius", StyleKind::Metric},
    {"group.background", StyleKind::Colour},
    {"group.border", StyleKind::Colour},
    {"group.highlight", StyleKind::Colour},

    {"label.normal.text", StyleKind::Colour},
    {"label.link.text", StyleKind::Colour},
    {"label.link-hot.text", StyleKind::Colour},

    {"button.corner-radius", StyleKind::Metric},
    {"button.border-width", StyleKind::Metric},
    {"button.normal.background", StyleKind::Gradient},
    {"button.normal.border", StyleKind::Colour},
    {"button.normal.text", StyleKind::Colour},
    {"button.hot.background", StyleKind::Gradient},
    {"button.hot.border", StyleKind::Colour},
    {"button.hot.text", StyleKind::Colour},
    {"button.pressed.background", StyleKind::Gradient},
    {"button.pressed.border", StyleKind::Colour},
    {"button.pressed.text", StyleKind::Colour},
    {"button.focused.background", StyleKind::Gradient},
    {"button.focused.border", StyleKind::Colour},
    {"button.focused.text", StyleKind::Colour},
    {"button.default.background", StyleKind::Gradient},
    {"button.default.border", StyleKind::Colour},
    {"button.default.text", StyleKind::Colour},
    {"button.disabled.background", StyleKind::Gradient},
    {"button.disabled.border", StyleKind::Colour},
    {"button.disabled.text", StyleKind::Colour},

    {"combo.corner-radius", StyleKind::Metric},
    {"combo.button-width", StyleKind::Metric},
    {"combo.arrow-size", StyleKind::Metric},
    {"combo.border", StyleKind::Colour},
    {"combo.focused.border", StyleKind::Colour},
    {"combo.edit.background", StyleKind::Colour},
    {"combo.edit.text", StyleKind::Colour},
    {"combo.edit.selection", StyleKind::Colour},
    {"combo.edit.selection-text", StyleKind::Colour},
    {"combo.button.normal.background", StyleKind::Gradient},
    {"combo.button.normal.arrow", StyleKind::Colour},
    {"combo.button.hot.background", StyleKind::Gradient},
    {"combo.button.hot.arrow", StyleKind::Colour},
    {"combo.button.pressed.background", StyleKind::Gradient},
    {"combo.button.pressed.arrow", StyleKind::Colour},
    {"combo.list.background", StyleKind::Colour},
    {"combo.list.border", StyleKind::Colour},
    {"combo.list.text", StyleKind::Colour},
    {"combo.list.selection", StyleKind::Colour},
    {"combo.list.selection-text", StyleKind::Colour},

    {"edit.padding", StyleKind::Metric},
    {"edit.background", StyleKind::Colour},
    {"edit.text", StyleKind::Colour},
    {"edit.selection", StyleKind::Colour},
    {"edit.selection-text", StyleKind::Colour},
    {"edit.bevel.dark", StyleKind::Colour},
    {"edit.bevel.light", StyleKind::Colour},

    {"scrollbar.width", StyleKind::Metric},
    {"scrollbar.thumb-margin", StyleKind::Metric},
    {"scrollbar.thumb-radius", StyleKind::Metric},
    {"scrollbar.thumb-min-length", StyleKind::Metric},
    {"scrollbar.glyph-size", StyleKind::Metric},
    {"scrollbar.track", StyleKind::Colour},
    {"scrollbar.thumb.border", StyleKind::Colour},
    {"scrollbar.thumb.normal.background", StyleKind::Gradient},
    {"scrollbar.thumb.hot.background", StyleKind::Gradient},
    {"scrollbar.thumb.pressed.background", StyleKind::Gradient},
    {"scrollbar.arrow.normal.background", StyleKind::Colour},
    {"scrollbar.arrow.normal.glyph", StyleKind::Colour},
    {"scrollbar.arrow.hot.background", StyleKind::Colour},
    {"scrollbar.arrow.hot.glyph", StyleKind::Colour},
    {"scrollbar.arrow.pressed.background", StyleKind::Colour},
    {"scrollbar.arrow.pressed.glyph", StyleKind::Colour},
    {"scrollbar.arrow.disabled.glyph", StyleKind::Colour},

    {"statusbar.padding", StyleKind::Metric},
    {"statusbar.background", StyleKind::Gradient},
    {"statusbar.top-line", StyleKind::Colour},
    {"statusbar.separator", StyleKind::Colour},
    {"statusbar.text", StyleKind::Colour},

    {"menu.border-width", StyleKind::Metric},
    {"menu.padding", StyleKind::Metric},
    {"menu.item-height", StyleKind::Metric},
    {"menu.separator-height", StyleKind::Metric},
    {"menu.corner-radius", StyleKind::Metric},
    {"menu.background", StyleKind::Colour},
    {"menu.border", StyleKind::Colour},
    {"menu.text", StyleKind::Colour},
    {"menu.disabled-text", StyleKind::Colour},
    {"menu.separator", StyleKind::Colour},
    {"menu.hot.background", StyleKind::Gradient},
    {"menu.hot.border", StyleKind::Colour},
    {"menu.hot.text", StyleKind::Colour},

    {"msgbox.padding", StyleKind::Metric},
    {"msgbox.background", StyleKind::Colour},
    {"msgbox.text", StyleKind::Colour},
    {"msgbox.button-area", StyleKind::Colour},
    {"msgbox.separator", StyleKind::Colour},

    {"focus.rectangle", StyleKind::Colour},
};
// The entry of the list with that name, or null.
constexpr const StyleKey* FindStyleKey(std::string_view name) noexcept
{
    for (const StyleKey& key : kStyleKeys) {
        if (key.name == name) return &key;
    }
    return nullptr;
}

}  // namespace core
