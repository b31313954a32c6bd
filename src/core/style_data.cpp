#include "core/style_data.h"

#include "core/error.h"
#include "core/style_number.h"
#include "core/text.h"

#include <algorithm>

namespace core {
namespace {

constexpr StyleKind C = StyleKind::Colour;
constexpr StyleKind M = StyleKind::Metric;
constexpr StyleKind G = StyleKind::Gradient;
constexpr StyleKind F = StyleKind::Font;

std::u16string Quoted(std::string_view key)
{
    return u"'" + FromAscii(key) + u"'";
}

std::u16string KindName(StyleKind kind)
{
    switch (kind) {
    case StyleKind::Colour: return u"a colour";
    case StyleKind::Metric: return u"a metric";
    case StyleKind::Gradient: return u"a gradient";
    case StyleKind::Font: return u"a font";
    }
    return u"a value";
}

std::u16string Number(long long value)
{
    return DecimalText(value);
}

void CheckRange(std::string_view key, std::u16string_view what, int value, int low, int high)
{
    if (value < low || value > high)
        throw Error(Format(u"%s: %s %s is out of range (%s to %s)",
                           {Quoted(key), what, Number(value), Number(low), Number(high)}));
}

// Names and faces are shown as they are: no control characters.
void CheckText(std::u16string_view text, std::u16string_view what, std::size_t maxLength)
{
    if (text.empty()) throw Error(Format(u"The %s is empty", {what}));
    if (text.size() > maxLength)
        throw Error(Format(u"The %s is longer than %s characters", {what, Number(static_cast<long long>(maxLength))}));
    if (std::any_of(text.begin(), text.end(), [](char16_t c) { return c < 0x20 || c == 0x7F; }))
        throw Error(Format(u"The %s holds a control character", {what}));
}

const StyleKey* FindKey(std::string_view key)
{
    const auto& keys = StyleKeys();
    const auto found = std::find_if(keys.begin(), keys.end(), [key](const StyleKey& k) { return k.name == key; });
    return found == keys.end() ? nullptr : &*found;
}

Error NotAnEntry(std::string_view key)
{
    return Error(Format(u"%s is not an entry of a style", {Quoted(key)}));
}

bool KeyBefore(const StyleEntries::Entry& entry, std::string_view key)
{
    return entry.first < key;
}

}  // namespace

std::vector<StyleEntries::Entry>::iterator StyleEntries::Position(std::string_view key)
{
    return std::lower_bound(entries_.begin(), entries_.end(), key, KeyBefore);
}

std::pair<StyleEntries::const_iterator, bool> StyleEntries::emplace(std::string_view key, StyleValue value)
{
    const StyleKey* known = FindKey(key);
    if (!known) throw NotAnEntry(key);
    const auto at = Position(key);
    if (at != entries_.end() && at->first == key) return {at, false};
    return {entries_.emplace(at, known->name, std::move(value)), true};
}

StyleValue& StyleEntries::operator[](std::string_view key)
{
    const auto at = Position(key);
    if (at != entries_.end() && at->first == key) return at->second;
    const StyleKey* known = FindKey(key);
    if (!known) throw NotAnEntry(key);
    return entries_.emplace(at, known->name, StyleValue())->second;
}

std::size_t StyleEntries::erase(std::string_view key)
{
    const auto at = Position(key);
    if (at == entries_.end() || at->first != key) return 0;
    entries_.erase(at);
    return 1;
}

StyleEntries::const_iterator StyleEntries::find(std::string_view key) const
{
    const auto at = std::lower_bound(entries_.begin(), entries_.end(), key, KeyBefore);
    return at != entries_.end() && at->first == key ? at : entries_.end();
}

const StyleValue& StyleEntries::at(std::string_view key) const
{
    const auto found = find(key);
    if (found == entries_.end()) throw Error(Format(u"The style lacks the entry %s", {Quoted(key)}));
    return found->second;
}

namespace {

constexpr StyleKey kKeys[] = {
    {"frame.border-width", M},
    {"frame.corner-radius", M},
    {"frame.active.outline", C},
    {"frame.active.fill", C},
    {"frame.inactive.outline", C},
    {"frame.inactive.fill", C},

    {"title.height", M},
    {"title.padding", M},
    {"title.button-radius", M},
    {"title.font", F},
    {"title.active.background", G},
    {"title.active.text", C},
    {"title.inactive.background", G},
    {"title.inactive.text", C},

    {"sysmenu.icon-size", M},
    {"sysmenu.hot.background", G},
    {"sysmenu.hot.border", C},
    {"sysmenu.pressed.background", G},
    {"sysmenu.pressed.border", C},

    {"closebox.width", M},
    {"closebox.height", M},
    {"closebox.glyph-size", M},
    {"closebox.glyph-thickness", M},
    {"closebox.normal.background", G},
    {"closebox.normal.border", C},
    {"closebox.normal.glyph", C},
    {"closebox.hot.background", G},
    {"closebox.hot.border", C},
    {"closebox.hot.glyph", C},
    {"closebox.pressed.background", G},
    {"closebox.pressed.border", C},
    {"closebox.pressed.glyph", C},
    {"closebox.inactive.background", G},
    {"closebox.inactive.border", C},
    {"closebox.inactive.glyph", C},

    {"window.background", C},
    {"window.text", C},

    {"page.background", C},
    {"page.border", C},
    {"tab.height", M},
    {"tab.padding", M},
    {"tab.corner-radius", M},
    {"tab.accent-height", M},
    {"tab.normal.background", G},
    {"tab.normal.border", C},
    {"tab.normal.text", C},
    {"tab.hot.background", G},
    {"tab.hot.border", C},
    {"tab.hot.text", C},
    {"tab.selected.background", G},
    {"tab.selected.border", C},
    {"tab.selected.text", C},
    {"tab.selected.accent", C},
    {"tab.focused.accent", C},

    {"group.corner-radius", M},
    {"group.background", C},
    {"group.border", C},
    {"group.highlight", C},

    {"label.normal.text", C},
    {"label.link.text", C},
    {"label.link-hot.text", C},

    {"button.corner-radius", M},
    {"button.border-width", M},
    {"button.normal.background", G},
    {"button.normal.border", C},
    {"button.normal.text", C},
    {"button.hot.background", G},
    {"button.hot.border", C},
    {"button.hot.text", C},
    {"button.pressed.background", G},
    {"button.pressed.border", C},
    {"button.pressed.text", C},
    {"button.focused.background", G},
    {"button.focused.border", C},
    {"button.focused.text", C},
    {"button.default.background", G},
    {"button.default.border", C},
    {"button.default.text", C},
    {"button.disabled.background", G},
    {"button.disabled.border", C},
    {"button.disabled.text", C},

    {"combo.corner-radius", M},
    {"combo.button-width", M},
    {"combo.arrow-size", M},
    {"combo.border", C},
    {"combo.focused.border", C},
    {"combo.edit.background", C},
    {"combo.edit.text", C},
    {"combo.edit.selection", C},
    {"combo.edit.selection-text", C},
    {"combo.button.normal.background", G},
    {"combo.button.normal.arrow", C},
    {"combo.button.hot.background", G},
    {"combo.button.hot.arrow", C},
    {"combo.button.pressed.background", G},
    {"combo.button.pressed.arrow", C},
    {"combo.list.background", C},
    {"combo.list.border", C},
    {"combo.list.text", C},
    {"combo.list.selection", C},
    {"combo.list.selection-text", C},

    {"edit.padding", M},
    {"edit.background", C},
    {"edit.text", C},
    {"edit.selection", C},
    {"edit.selection-text", C},
    {"edit.bevel.dark", C},
    {"edit.bevel.light", C},

    {"scrollbar.width", M},
    {"scrollbar.thumb-margin", M},
    {"scrollbar.thumb-radius", M},
    {"scrollbar.thumb-min-length", M},
    {"scrollbar.glyph-size", M},
    {"scrollbar.track", C},
    {"scrollbar.thumb.border", C},
    {"scrollbar.thumb.normal.background", G},
    {"scrollbar.thumb.hot.background", G},
    {"scrollbar.thumb.pressed.background", G},
    {"scrollbar.arrow.normal.background", C},
    {"scrollbar.arrow.normal.glyph", C},
    {"scrollbar.arrow.hot.background", C},
    {"scrollbar.arrow.hot.glyph", C},
    {"scrollbar.arrow.pressed.background", C},
    {"scrollbar.arrow.pressed.glyph", C},
    {"scrollbar.arrow.disabled.glyph", C},

    {"statusbar.padding", M},
    {"statusbar.background", G},
    {"statusbar.top-line", C},
    {"statusbar.separator", C},
    {"statusbar.text", C},

    {"menu.border-width", M},
    {"menu.padding", M},
    {"menu.item-height", M},
    {"menu.separator-height", M},
    {"menu.corner-radius", M},
    {"menu.background", C},
    {"menu.border", C},
    {"menu.text", C},
    {"menu.disabled-text", C},
    {"menu.separator", C},
    {"menu.hot.background", G},
    {"menu.hot.border", C},
    {"menu.hot.text", C},

    {"msgbox.padding", M},
    {"msgbox.background", C},
    {"msgbox.text", C},
    {"msgbox.button-area", C},
    {"msgbox.separator", C},

    {"focus.rectangle", C},
};

}  // namespace

StyleKeyList StyleKeys() noexcept
{
    return {kKeys, sizeof kKeys / sizeof kKeys[0]};
}

void CheckStyleName(std::u16string_view name)
{
    CheckText(name, u"style's name", kMaxStyleNameLength);
}

void CheckStyleEntry(std::string_view key, const StyleValue& value)
{
    const StyleKey* known = FindKey(key);
    if (!known) throw NotAnEntry(key);
    const auto kind = static_cast<StyleKind>(value.index());
    if (kind != known->kind)
        throw Error(Format(u"%s must be %s, not %s", {Quoted(key), KindName(known->kind), KindName(kind)}));
    if (const int* metric = std::get_if<int>(&value)) CheckRange(key, u"the metric", *metric, 0, kMaxStyleMetric);
    if (const StyleFont* font = std::get_if<StyleFont>(&value)) {
        CheckText(font->face, u"font face of " + Quoted(key), kMaxFontFaceLength);
        CheckRange(key, u"the font height", font->height, 1, kMaxFontHeight);
        CheckRange(key, u"the font weight", font->weight, 1, kMaxFontWeight);
    }
}

StyleData::StyleData(std::u16string name, StyleEntries entries) : name_(std::move(name)), entries_(std::move(entries))
{
    CheckStyleName(name_);
    for (const auto& [key, value] : entries_) CheckStyleEntry(key, value);
    for (const StyleKey& key : StyleKeys()) {
        if (entries_.find(key.name) == entries_.end())
            throw Error(Format(u"The style lacks the entry %s", {Quoted(key.name)}));
    }
}

const StyleValue& StyleData::ValueOf(std::string_view key, StyleKind kind) const
{
    const auto found = entries_.find(key);
    if (found == entries_.end() || static_cast<StyleKind>(found->second.index()) != kind)
        throw Error(Format(u"%s is not %s of the style", {Quoted(key), KindName(kind)}));
    return found->second;
}

Colour StyleData::ColourOf(std::string_view key) const { return *std::get_if<Colour>(&ValueOf(key, StyleKind::Colour)); }
int StyleData::MetricOf(std::string_view key) const { return *std::get_if<int>(&ValueOf(key, StyleKind::Metric)); }
const Gradient& StyleData::GradientOf(std::string_view key) const
{
    return *std::get_if<Gradient>(&ValueOf(key, StyleKind::Gradient));
}
const StyleFont& StyleData::FontOf(std::string_view key) const
{
    return *std::get_if<StyleFont>(&ValueOf(key, StyleKind::Font));
}

}  // namespace core
