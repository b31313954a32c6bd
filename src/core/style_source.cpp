#include "core/style_source.h"

#include "core/error.h"
#include "core/text.h"

#include <charconv>
#include <map>
#include <optional>
#include <vector>

namespace core {
namespace {

std::u16string Number(std::size_t value)
{
    return FromAscii(std::to_string(value));
}

Error LineError(std::size_t line, std::u16string_view what)
{
    return Error(Format(u"Line %s: %s", {Number(line), what}));
}

// The checks shared with the compiled style, with the line put in front.
template <class Check>
void CheckAtLine(std::size_t line, Check check)
{
    try {
        check();
    } catch (const Error& error) {
        throw LineError(line, error.Message());
    }
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && (IsBlank(text.back()) || text.back() == '\r')) text.remove_suffix(1);
    return text;
}

struct Utf8Lead {
    std::size_t length;  // 0: not a lead byte
    char32_t bits;
    char32_t least;  // smaller code points in this length are overlong
};

Utf8Lead LeadOf(unsigned char byte)
{
    if (byte < 0x80) return {1, byte, 0};
    if (byte >= 0xC0 && byte < 0xE0) return {2, byte & 0x1Fu, 0x80};
    if (byte >= 0xE0 && byte < 0xF0) return {3, byte & 0x0Fu, 0x800};
    if (byte >= 0xF0 && byte < 0xF8) return {4, byte & 0x07u, 0x10000};
    return {0, 0, 0};
}

// Strict UTF-8: overlong forms, surrogates and code points past U+10FFFF are refused.
std::optional<std::u16string> DecodeUtf8(std::string_view text)
{
    std::u16string out;
    for (std::size_t i = 0; i < text.size();) {
        const Utf8Lead lead = LeadOf(static_cast<unsigned char>(text[i]));
        if (lead.length == 0 || text.size() - i < lead.length) return std::nullopt;
        char32_t code = lead.bits;
        for (std::size_t k = 1; k < lead.length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0u) != 0x80u) return std::nullopt;
            code = (code << 6) | (next & 0x3Fu);
        }
        if (code < lead.least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return std::nullopt;
        if (code >= 0x10000) {
            out.push_back(static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(code));
        }
        i += lead.length;
    }
    return out;
}

// A word as an error shows it.
std::u16string Shown(std::string_view word)
{
    return u"'" + DecodeUtf8(word).value_or(u"(not UTF-8)") + u"'";
}

// The blank-separated words of a value; a word in quotes may hold blanks and keeps its quotes.
std::vector<std::string_view> Words(std::string_view text, std::size_t line)
{
    std::vector<std::string_view> words;
    std::size_t i = 0;
    for (;;) {
        while (i < text.size() && IsBlank(text[i])) ++i;
        if (i == text.size()) return words;
        const std::size_t start = i;
        if (text[i] == '"') {
            const std::size_t close = text.find('"', i + 1);
            if (close == std::string_view::npos) throw LineError(line, u"the text in quotes is not closed");
            i = close + 1;
        } else {
            while (i < text.size() && !IsBlank(text[i])) ++i;
        }
        words.push_back(text.substr(start, i - start));
    }
}

std::u16string QuotedText(std::string_view word, std::size_t line)
{
    if (word.size() < 2 || word.front() != '"') throw LineError(line, Format(u"%s is not a text in quotes", {Shown(word)}));
    const auto text = DecodeUtf8(word.substr(1, word.size() - 2));
    if (!text) throw LineError(line, u"the text in quotes is not valid UTF-8");
    return *text;
}

int WholeNumber(std::string_view word, std::size_t line)
{
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error == std::errc::result_out_of_range) throw LineError(line, Format(u"%s is too large", {Shown(word)}));
    if (error != std::errc() || end != word.data() + word.size())
        throw LineError(line, Format(u"%s is not a whole number", {Shown(word)}));
    return value;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

Colour ColourWord(std::string_view word, std::size_t line)
{
    int digits[6] = {};
    bool valid = word.size() == 7 && word[0] == '#';
    for (std::size_t i = 0; valid && i < 6; ++i) valid = (digits[i] = HexDigit(word[i + 1])) >= 0;
    if (!valid) throw LineError(line, Format(u"%s is not a colour: colours are written #RRGGBB", {Shown(word)}));
    const auto byte = [&digits](int i) { return static_cast<std::uint8_t>(digits[i] * 16 + digits[i + 1]); };
    return {byte(0), byte(2), byte(4)};
}

GradientDirection DirectionWord(std::string_view word, std::size_t line)
{
    if (word == "vertical") return GradientDirection::Vertical;
    if (word == "horizontal") return GradientDirection::Horizontal;
    throw LineError(line, Format(u"%s is not a direction: a gradient runs vertical or horizontal", {Shown(word)}));
}

// The kind follows from how the value is written.
StyleValue Value(const std::vector<std::string_view>& words, std::size_t line)
{
    if (words.empty()) throw LineError(line, u"the value is missing after '='");
    const std::string_view first = words[0];
    if (first.front() == '"') {
        if (words.size() != 3) throw LineError(line, u"a font is written \"face\" height weight");
        return StyleFont{QuotedText(first, line), WholeNumber(words[1], line), WholeNumber(words[2], line)};
    }
    if (first.front() == '#') {
        if (words.size() == 1) return ColourWord(first, line);
        if (words.size() != 3) throw LineError(line, u"a gradient is written #RRGGBB #RRGGBB vertical|horizontal");
        return Gradient{ColourWord(first, line), ColourWord(words[1], line), DirectionWord(words[2], line)};
    }
    if (words.size() != 1) throw LineError(line, u"a metric is one whole number");
    return WholeNumber(first, line);
}

std::string_view Key(std::string_view text, std::size_t line)
{
    bool valid = !text.empty() && text.size() <= kMaxStyleKeyLength;
    for (char c : text) valid = valid && ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' || c == '-');
    if (!valid)
        throw LineError(line, Format(u"%s is not a key: keys are lower-case letters, digits, '.' and '-'", {Shown(text)}));
    return text;
}

}  // namespace

StyleData ParseStyleSource(std::string_view text)
{
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) text.remove_prefix(kByteOrderMark.size());

    std::optional<std::u16string> name;
    StyleEntries entries;
    std::map<std::string, std::size_t, std::less<>> firstLines;
    for (std::size_t line = 1; !text.empty(); ++line) {
        const std::size_t end = text.find('\n');
        const std::string_view content = Trimmed(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (content.empty() || content.front() == '#') continue;

        const std::size_t equals = content.find('=');
        if (equals == std::string_view::npos) throw LineError(line, u"'=' is missing: entries are written key = value");
        const std::string_view key = Key(Trimmed(content.substr(0, equals)), line);
        const auto [earlier, isNew] = firstLines.emplace(key, line);
        if (!isNew)
            throw LineError(line, Format(u"%s is given already on line %s", {Shown(key), Number(earlier->second)}));

        const std::vector<std::string_view> words = Words(content.substr(equals + 1), line);
        if (key == "name") {
            if (words.size() != 1) throw LineError(line, u"the name is one text in quotes");
            name = QuotedText(words[0], line);
            CheckAtLine(line, [&] { CheckStyleName(*name); });
        } else {
            StyleValue value = Value(words, line);
            CheckAtLine(line, [&] { CheckStyleEntry(key, value); });
            entries.emplace(key, std::move(value));
        }
    }
    if (!name) throw Error(u"The style source has no name = \"...\" line");
    return StyleData(std::move(*name), std::move(entries));
}

}  // namespace core
