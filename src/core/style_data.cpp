#include "core/style_data.h"

#include "core/error.h"
#include "core/style_number.h"
#include "core/text.h"

#include <algorithm>

namespace core {
namespace {

std::u16string Quoted(std::string_view key)
{
    return u"'" + FromAscii(key) + u"'";
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
    const StyleKey* known = FindStyleKey(key);
    if (!known) throw NotAnEntry(key);
    const auto at = Position(key);
    if (at != entries_.end() && at->first == key) return {at, false};
    return {entries_.emplace(at, known->name, std::move(value)), true};
}

StyleValue& StyleEntries::operator[](std::string_view key)
{
    const auto at = Position(key);
    if (at != entries_.end() && at->first == key) return at->second;
    const StyleKey* known = FindStyleKey(key);
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


void CheckStyleName(std::u16string_view name)
{
    CheckText(name, u"style's name", kMaxStyleNameLength);
}

void CheckStyleEntry(std::string_view key, const StyleValue& value)
{
    const StyleKey* known = FindStyleKey(key);
    if (!known) throw NotAnEntry(key);
    const auto kind = static_cast<StyleKind>(value.index());
    if (kind != known->kind)
        throw Error(Format(u"%s must be %s, not %s", {Quoted(key), StyleKindName(known->kind), StyleKindName(kind)}));
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
    for (const StyleKey& key : kStyleKeys) {
        if (entries_.find(key.name) == entries_.end())
            throw Error(Format(u"The style lacks the entry %s", {Quoted(key.name)}));
    }
}

Colour StyleData::ColourOf(ColourKey key) const { return *std::get_if<Colour>(&entries_.at(key.Name())); }
int StyleData::MetricOf(MetricKey key) const { return *std::get_if<int>(&entries_.at(key.Name())); }
const Gradient& StyleData::GradientOf(GradientKey key) const
{
    return *std::get_if<Gradient>(&entries_.at(key.Name()));
}
const StyleFont& StyleData::FontOf(FontKey key) const
{
    return *std::get_if<StyleFont>(&entries_.at(key.Name()));
}

}  // namespace core
