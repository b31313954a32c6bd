// The minutes text of the schedule: any text either converts or raises the
// conversion's error naming the whole text, and what it converts to agrees
// with a second, separate reading of the rules.
#include "core/int_conversion.h"
#include "core/schedule_interval.h"
#include "input.h"

#include <cstdint>
#include <optional>

namespace {

bool IsDigit(char16_t c, int base)
{
    if (c >= u'0' && c <= u'9') return true;
    return base == 16 && ((c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F'));
}

unsigned DigitValue(char16_t c)
{
    if (c <= u'9') return c - u'0';
    return (c | 0x20u) - u'a' + 10;
}

// Blanks, one sign, then "$", "x", "X", "0x" or "0X" and up to FFFFFFFF as
// a 32-bit pattern that the sign negates, or decimal digits whose signed
// value fits 32 bits; nothing after. Counts significant digits instead of
// watching for overflow as the program does.
std::optional<std::int32_t> Reference(const std::u16string& text)
{
    std::size_t at = text.find_first_not_of(u' ');
    if (at == std::u16string::npos) return std::nullopt;
    const bool negative = text[at] == u'-';
    if (text[at] == u'-' || text[at] == u'+') ++at;
    int base = 10;
    if (text.compare(at, 2, u"0x") == 0 || text.compare(at, 2, u"0X") == 0) {
        base = 16;
        at += 2;
    } else if (at < text.size() && (text[at] == u'$' || text[at] == u'x' || text[at] == u'X')) {
        base = 16;
        at += 1;
    }
    const std::u16string digits = text.substr(at);
    if (digits.empty()) return std::nullopt;
    for (char16_t c : digits)
        if (!IsDigit(c, base)) return std::nullopt;
    const std::size_t first = std::min(digits.find_first_not_of(u'0'), digits.size());
    if (digits.size() - first > (base == 16 ? 8u : 10u)) return std::nullopt;
    std::uint64_t value = 0;
    for (std::size_t i = first; i < digits.size(); ++i) value = value * base + DigitValue(digits[i]);
    if (base == 16) {
        const std::uint32_t bits = negative ? 0u - static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value);
        return static_cast<std::int32_t>(static_cast<std::int64_t>(bits) - (bits >> 31 ? 0x100000000LL : 0));
    }
    const std::int64_t signedValue = negative ? -static_cast<std::int64_t>(value) : static_cast<std::int64_t>(value);
    if (signedValue < INT32_MIN || signedValue > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(signedValue);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::u16string text = fuzz::Utf16({reinterpret_cast<const char*>(data), size});
    const std::u16string refusal = u"'" + text + u"' is not a valid integer value";
    const std::optional<std::int32_t> expected = Reference(text);

    FUZZ_REQUIRE(core::TryStrToInt(text) == expected);
    try {
        const std::int32_t value = core::StrToInt(text);
        FUZZ_REQUIRE(expected && value == *expected);
    } catch (const core::Error& error) {
        FUZZ_REQUIRE(!expected);
        FUZZ_REQUIRE(error.Message() == refusal);
    }

    const bool schedulable = expected && *expected >= 0 && *expected <= 35791;
    try {
        const std::int32_t interval = core::ScheduleIntervalMs(text);
        FUZZ_REQUIRE(schedulable && interval == *expected * 60000);
    } catch (const core::Error& error) {
        FUZZ_REQUIRE(!schedulable);
        FUZZ_REQUIRE(error.Message() == refusal);
    }
    return 0;
}
