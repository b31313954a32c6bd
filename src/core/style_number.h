#pragma once
// Numbers in the style's messages, written without the C library's
// formatting, which would bring narrow strings into the executable.

#include <string>

namespace core {

inline std::u16string DecimalText(long long value)
{
    const bool negative = value < 0;
    unsigned long long magnitude = negative ? 0ull - static_cast<unsigned long long>(value)
                                            : static_cast<unsigned long long>(value);
    std::u16string digits;
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + magnitude % 10));
        magnitude /= 10;
    } while (magnitude != 0);
    if (negative) digits.insert(digits.begin(), u'-');
    return digits;
}

}  // namespace core
