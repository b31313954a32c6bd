#include "core/int_conversion.h"

#include "core/text.h"

namespace core {
namespace {

constexpr std::uint64_t kHexLimit = 0xFFFFFFFFu;
constexpr std::uint64_t kDecimalPositiveLimit = 0x7FFFFFFFu;
constexpr std::uint64_t kDecimalNegativeLimit = 0x80000000u;

int HexDigit(char16_t c)
{
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    return -1;
}

// Length of the hexadecimal prefix at the front of the text, 0 when there is none.
std::size_t HexPrefixLength(std::u16string_view text)
{
    if (!text.empty() && (text[0] == u'$' || text[0] == u'x' || text[0] == u'X')) return 1;
    if (text.size() >= 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X')) return 2;
    return 0;
}

// Reads the digits of the given base that make up the whole text; stops as
// soon as the value passes the limit, so long texts cannot overflow.
std::optional<std::uint64_t> ReadDigits(std::u16string_view digits, int base, std::uint64_t limit)
{
    if (digits.empty()) return std::nullopt;
    std::uint64_t value = 0;
    for (char16_t c : digits) {
        const int digit = HexDigit(c);
        if (digit < 0 || digit >= base) return std::nullopt;
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
        if (value > limit) return std::nullopt;
    }
    return value;
}

// The 32-bit two's-complement reading of a bit pattern, without relying on
// implementation-defined narrowing.
std::int32_t FromBits(std::uint32_t bits)
{
    if (bits <= 0x7FFFFFFFu) return static_cast<std::int32_t>(bits);
    return static_cast<std::int32_t>(bits - 0x80000000u) + INT32_MIN;
}

}  // namespace

std::optional<std::int32_t> TryStrToInt(std::u16string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == u' ') ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) {
        negative = text[pos] == u'-';
        ++pos;
    }
    const std::u16string_view number = text.substr(pos);

    const std::size_t prefix = HexPrefixLength(number);
    const auto value = prefix != 0
        ? ReadDigits(number.substr(prefix), 16, kHexLimit)
        : ReadDigits(number, 10, negative ? kDecimalNegativeLimit : kDecimalPositiveLimit);
    if (!value) return std::nullopt;
    // The sign negates the 32-bit pattern: decimals stay in range by their
    // limits, and "-$80000000" stays the minimum as the two's complement has it.
    const auto bits = static_cast<std::uint32_t>(*value);
    return FromBits(negative ? 0u - bits : bits);
}

std::int32_t StrToInt(std::u16string_view text)
{
    if (const auto value = TryStrToInt(text)) return *value;
    throw InvalidIntegerError(text);
}

Error InvalidIntegerError(std::u16string_view text)
{
    return Error(Format(u"'%s' is not a valid integer value", {text}));
}

}  // namespace core
