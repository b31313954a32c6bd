#include "core/date_time_format.h"


#include <algorithm>
#include <array>
#include <cstddef>
#include <string>

namespace core {
namespace {

enum class Kind { Day, Month, Year, Hour, Second, AmPm, OtherLetter, Quoted, DateSeparator, TimeSeparator, Other };

struct Element {
    Kind kind;
    std::u16string_view text;  // the picture characters it takes up
};

constexpr std::u16string_view kAmPm = u"AMPM";

bool IsLetter(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

char16_t Upper(char16_t c)
{
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

bool StartsWithAmPm(std::u16string_view rest)
{
    if (rest.size() < kAmPm.size()) return false;
    return std::equal(kAmPm.begin(), kAmPm.end(), rest.begin(),
                      [](char16_t upper, char16_t c) { return Upper(c) == upper; });
}

Kind LetterKind(char16_t upper)
{
    switch (upper) {
    case u'D': return Kind::Day;
    case u'M': return Kind::Month;
    case u'Y': return Kind::Year;
    case u'H': return Kind::Hour;
    case u'S': return Kind::Second;
    default: return Kind::OtherLetter;
    }
}

// The element at the front of a non-empty rest of the picture.
Element NextElement(std::u16string_view rest)
{
    const char16_t first = rest[0];
    if (first == u'\'' || first == u'"') {
        const std::size_t close = rest.find(first, 1);
        return {Kind::Quoted, rest.substr(0, close == std::u16string_view::npos ? rest.size() : close + 1)};
    }
    if (first == u'/') return {Kind::DateSeparator, rest.substr(0, 1)};
    if (first == u':') return {Kind::TimeSeparator, rest.substr(0, 1)};
    if (!IsLetter(first)) return {Kind::Other, rest.substr(0, 1)};
    if (StartsWithAmPm(rest)) return {Kind::AmPm, rest.substr(0, kAmPm.size())};

    const Kind kind = LetterKind(Upper(first));
    if (kind == Kind::OtherLetter) return {kind, rest.substr(0, 1)};
    std::size_t run = 1;
    while (run < rest.size() && Upper(rest[run]) == Upper(first)) ++run;
    return {kind, rest.substr(0, run)};
}

bool HasAmPm(std::u16string_view picture)
{
    for (std::size_t pos = 0; pos < picture.size();) {
        const Element element = NextElement(picture.substr(pos));
        if (element.kind == Kind::AmPm) return true;
        pos += element.text.size();
    }
    return false;
}

void AppendNumber(std::u16string& out, unsigned value, std::size_t minDigits)
{
    char16_t digits[10];
    std::size_t count = 0;
    do {
        digits[count++] = static_cast<char16_t>(u'0' + value % 10);
        value /= 10;
    } while (value != 0);
    if (count < minDigits) out.append(minDigits - count, u'0');
    while (count > 0) out.push_back(digits[--count]);
}

// Names are looked up by a 0-based index; a moment out of range has no name.
template <std::size_t N>
std::u16string_view Name(const std::array<std::u16string, N>& names, std::size_t index)
{
    return index < N ? std::u16string_view(names[index]) : std::u16string_view();
}

class Renderer {
public:
    Renderer(std::u16string_view picture, const DateTime& moment, const FormatSettings& settings)
        : moment_(moment), settings_(settings), twelveHour_(HasAmPm(picture))
    {
    }

    void Append(const Element& element, bool afterHour, std::u16string& out) const
    {
        const std::size_t count = element.text.size();
        switch (element.kind) {
        case Kind::Day:
            if (count <= 2) {
                AppendNumber(out, moment_.day, count);
            } else {
                const auto& names = count == 3 ? settings_.shortDayNames : settings_.longDayNames;
                out += Name(names, moment_.dayOfWeek);
            }
            break;
        case Kind::Month:
            if (count <= 2) {
                AppendNumber(out, afterHour ? moment_.minute : moment_.month, count);
            } else {
                const auto& names = count == 3 ? settings_.shortMonthNames : settings_.longMonthNames;
                out += Name(names, static_cast<std::size_t>(moment_.month) - 1);
            }
            break;
        case Kind::Year:
            if (count <= 2) {
                AppendNumber(out, moment_.year % 100u, 2);
            } else {
                AppendNumber(out, moment_.year, 4);
            }
            break;
        case Kind::Hour:
            AppendNumber(out, DisplayedHour(), std::min<std::size_t>(count, 2));
            break;
        case Kind::Second:
            AppendNumber(out, moment_.second, std::min<std::size_t>(count, 2));
            break;
        case Kind::AmPm:
            out += moment_.hour < 12 ? settings_.amDesignator : settings_.pmDesignator;
            break;
        case Kind::Quoted:
            out += QuotedText(element.text);
            break;
        case Kind::DateSeparator:
            out += settings_.dateSeparator;
            break;
        case Kind::TimeSeparator:
            out += settings_.timeSeparator;
            break;
        case Kind::OtherLetter:
        case Kind::Other:
            out += element.text;
            break;
        }
    }

private:
    unsigned DisplayedHour() const
    {
        if (!twelveHour_) return moment_.hour;
        const unsigned hour = moment_.hour % 12u;
        return hour == 0 ? 12 : hour;
    }

    static std::u16string_view QuotedText(std::u16string_view quoted)
    {
        const bool closed = quoted.size() >= 2 && quoted.back() == quoted.front();
        return quoted.substr(1, quoted.size() - (closed ? 2 : 1));
    }

    const DateTime& moment_;
    const FormatSettings& settings_;
    const bool twelveHour_;
};

bool IsLetterElement(Kind kind)
{
    return kind != Kind::Quoted && kind != Kind::DateSeparator && kind != Kind::TimeSeparator && kind != Kind::Other;
}

}  // namespace

std::u16string FormatDateTime(std::u16string_view picture, const DateTime& moment, const FormatSettings& settings)
{
    const Renderer renderer(picture, moment, settings);
    std::u16string out;
    // Whether the nearest letter so far is an hour, which makes m mean minutes.
    // Quoted letters are text and do not count.
    bool afterHour = false;
    for (std::size_t pos = 0; pos < picture.size();) {
        const Element element = NextElement(picture.substr(pos));
        renderer.Append(element, afterHour, out);
        if (IsLetterElement(element.kind)) afterHour = element.kind == Kind::Hour;
        pos += element.text.size();
    }
    return out;
}

std::u16string ClockText(const DateTime& moment, const FormatSettings& settings)
{
    return FormatDateTime(settings.shortDatePicture, moment, settings) + u" " +
           FormatDateTime(settings.timePicture, moment, settings);
}

}  // namespace core
