#include "input.h"

#include <cstdio>
#include <cstdlib>

namespace fuzz {

std::u16string Utf16(std::string_view bytes)
{
    std::u16string text;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const std::size_t length = lead >= 0xF0 && lead < 0xF5 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 && lead < 0xE0 ? 2 : 1;
        char32_t value = length == 4 ? lead & 0x07u : length == 3 ? lead & 0x0Fu : length == 2 ? lead & 0x1Fu : lead;
        bool wellFormed = length > 1 && i + length <= bytes.size();
        for (std::size_t k = 1; wellFormed && k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            wellFormed = (next & 0xC0u) == 0x80u;
            value = (value << 6) | (next & 0x3Fu);
        }
        if (!wellFormed || value > 0x10FFFF) {
            text.push_back(lead);
            ++i;
            continue;
        }
        if (value > 0xFFFF) {
            value -= 0x10000;
            text.push_back(static_cast<char16_t>(0xD800 + (value >> 10)));
            text.push_back(static_cast<char16_t>(0xDC00 + (value & 0x3FF)));
        } else {
            text.push_back(static_cast<char16_t>(value));
        }
        i += length;
    }
    return text;
}

std::vector<std::string_view> Fields(std::string_view bytes)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t zero = bytes.find('\0', start);
        if (zero == std::string_view::npos) {
            fields.push_back(bytes.substr(start));
            return fields;
        }
        fields.push_back(bytes.substr(start, zero - start));
        start = zero + 1;
    }
}

void Broken(const char* promise)
{
    std::fprintf(stderr, "broken promise: %s\n", promise);
    std::abort();
}

}  // namespace fuzz
